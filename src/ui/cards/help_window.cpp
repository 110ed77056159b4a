#include "ui/cards/help_window.h"

#include "app/command.h"
#include "app/settings/language.h"
#include "app/version.h"

namespace {

// A row's action is a text of its own, or a command's label followed by a few words.
struct LineText {
    Text keys;
    CommandId command;
    Text action;
    LineText(Text keys_text, Text action_text) : keys(keys_text), command(CommandId::none), action(action_text) {}
    LineText(Text keys_text, CommandId labelled, Text after_label = {"", ""})
        : keys(keys_text), command(labelled), action(after_label) {}
};

struct GroupText {
    Text heading;
    char16_t icon;
    std::vector<LineText> lines;
};

HelpGroup picked(const GroupText& group) {
    HelpGroup out;
    out.heading = pick(group.heading);
    out.icon = group.icon;
    for (const auto& line : group.lines)
        out.lines.push_back({pick(line.keys), std::string(pick(command_label(line.command))) + pick(line.action)});
    return out;
}

constexpr Text kOnOff{" on / off", " oui / non"};

// Arrows: U+2190 ←, U+2192 →, U+2191 ↑, U+2193 ↓; U+2212 is the minus sign.
const GroupText kPlayback{{"Playback", "Lecture"},
                          0xE768,
                          {
                              {{"Space, K", "Espace, K"}, CommandId::toggle_pause},
                              {{"← / →", "← / →"}, {"Back / forward 5 s", "Reculer / avancer de 5 s"}},
                              {{"Shift+← / →", "Maj+← / →"}, {"Back / forward 1 s", "Reculer / avancer de 1 s"}},
                              {{"Ctrl+← / →", "Ctrl+← / →"}, {"Back / forward 60 s", "Reculer / avancer de 60 s"}},
                              {{"Home", "Début"}, {"Back to the start", "Retour au début"}},
                              {{". / ,", ". / ,"}, {"Next / previous frame", "Image suivante / précédente"}},
                              {{"+ / -", "+ / -"}, {"Faster / slower", "Plus rapide / plus lent"}},
                              {{"=", "="}, {"Normal speed", "Vitesse normale"}},
                          }};

const GroupText kSound{{"Sound", "Son"},
                       0xE995,
                       {
                           {{"↑ / ↓", "↑ / ↓"}, {"Volume +5 / −5", "Volume +5 / −5"}},
                           {{"Wheel", "Molette"}, {"Volume (direction in the menu)", "Volume (sens dans le menu)"}},
                           {{"M", "M"}, CommandId::toggle_mute},
                       }};

// The keyboard's media keys, also the taskbar thumbnail's buttons and Windows' media overlay.
const GroupText kMediaKeys{{"Media keys", "Touches multimédia"},
                           0xE765,
                           {
                               {{"Play/Pause key", "Touche Lecture/Pause"}, CommandId::toggle_pause},
                               {{"Stop key", "Touche Arrêt"}, CommandId::pause},
                               {{"Fast forward / Rewind keys", "Touches Avance / Retour rapides"},
                                {"Forward / back 10 s", "Avancer / reculer de 10 s"}},
                           }};

const GroupText kTracks{{"Tracks", "Pistes"},
                        0xE8D6,
                        {
                            {{"A", "A"}, {"Next audio track", "Piste audio suivante"}},
                            {{"S", "S"}, {"Next subtitles, then off", "Sous-titres suivants, puis aucun"}},
                        }};

const GroupText kWindow{{"Window", "Fenêtre"},
                        0xE740,
                        {
                            {{"F, Enter, F11", "F, Entrée, F11"}, CommandId::toggle_fullscreen, kOnOff},
                            {{"Alt+Enter", "Alt+Entrée"}, CommandId::toggle_fullscreen, kOnOff},
                            {{"Esc", "Échap"}, {"Leave full screen", "Quitter le plein écran"}},
                            {{"T", "T"}, CommandId::toggle_always_on_top},
                        }};

const GroupText kFiles{{"Files and menu", "Fichiers et menu"},
                       0xE8E5,
                       {
                           {{"Ctrl+O", "Ctrl+O"}, {"Open a video", "Ouvrir une vidéo"}},
                           {{"Drag and drop", "Glisser-déposer"},
                            {"Open a video or add subtitles", "Ouvrir une vidéo ou des sous-titres"}},
                           {{"Right-click", "Clic droit"}, {"Menu: tracks, language…", "Menu : pistes, langue…"}},
                           {{"Shift+F10, Menu key", "Maj+F10, touche Menu"}, {"Menu", "Menu"}},
                       }};

const GroupText kMouse{
    {"Mouse", "Souris"},
    0xE962,
    {
        {{"Click on the video", "Clic sur la vidéo"}, CommandId::toggle_pause},
        {{"Double-click", "Double-clic"}, CommandId::toggle_fullscreen, kOnOff},
        {{"Seek bar", "Barre de lecture"}, {"Click or drag to seek", "Cliquer ou glisser pour se déplacer"}},
        {{"Volume slider", "Curseur de volume"}, {"Click or drag", "Cliquer ou glisser"}},
    }};

constexpr Text kProgramHeading{"Program", "Programme"};
constexpr Text kCurrently{"(currently: ", "(actuellement : "};
constexpr Text kOn{"on", "activé"};
constexpr Text kOff{"off", "désactivé"};
constexpr Text kHelpLine{"Open / close this help", "Ouvrir / fermer cette aide"};
constexpr Text kRemembered{"Each video's playback position and the volume are remembered automatically.",
                           "La position de lecture de chaque vidéo et le volume sont mémorisés "
                           "automatiquement."};
constexpr Text kHowToClose{"Esc, F1 or click to close", "Échap, F1 ou clic pour fermer"};

}  // namespace

std::string multi_instance_state(bool on) { return pick(on ? kOn : kOff); }

HelpPage help_page(bool multi_instance) {
    HelpPage page;
    page.title = std::string(pick(command_label(CommandId::toggle_help))) + " — " + TARNWICK_VERSION_STRING;

    HelpGroup program;
    program.heading = pick(kProgramHeading);
    program.icon = 0xE897;
    program.lines.push_back({"I", std::string(pick(command_label(CommandId::toggle_multi_instance))) + "  " +
                                      pick(kCurrently) + multi_instance_state(multi_instance) + ")"});
    program.lines.push_back({"F1", pick(kHelpLine)});
    program.lines.push_back({"Alt+F4", pick(command_label(CommandId::quit))});
    page.columns[0] = {picked(kPlayback), picked(kSound), picked(kMediaKeys), program};
    page.columns[1] = {picked(kWindow), picked(kTracks), picked(kFiles), picked(kMouse)};

    page.notes = {pick(kRemembered), pick(kHowToClose)};
    return page;
}

Command help_key_command(uint32_t virtual_key) {
    if (virtual_key == 'I') return {CommandId::toggle_multi_instance};
    return {};
}
