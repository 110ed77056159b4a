#include "ui/cards/help_window.h"

#include "app/command.h"
#include "app/settings/language.h"
#include "app/version.h"
#include "ui/input/input.h"

namespace {

// The keys a row names: words of its own (the mouse, the media keys, the menu keys), every key of one
// route bound to a command, or two commands' keys as "X / Y", all read from the key table.
struct RowKeys {
    Text words;
    BoundCommand first;
    BoundCommand second;
    KeyRoute route;
};

constexpr RowKeys words(Text text) { return {text, {}, {}, KeyRoute::window}; }
constexpr RowKeys keys_of(CommandId command, KeyRoute route = KeyRoute::window) {
    return {{"", ""}, {command}, {}, route};
}
constexpr RowKeys pair_of(BoundCommand first, BoundCommand second) {
    return {{"", ""}, first, second, KeyRoute::window};
}

std::string written(const RowKeys& keys) {
    if (*keys.words.en) return pick(keys.words);
    if (keys.second.id != CommandId::none) return key_name_pair(keys.first, keys.second);
    return key_names(keys.first, keys.route);
}

// A row's action is a text of its own, or a command's label followed by a few words.
struct LineText {
    RowKeys keys;
    CommandId command;
    Text action;
    LineText(RowKeys row_keys, Text action_text) : keys(row_keys), command(CommandId::none), action(action_text) {}
    LineText(RowKeys row_keys, CommandId labelled, Text after_label = {"", ""})
        : keys(row_keys), command(labelled), action(after_label) {}
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
        out.lines.push_back({written(line.keys), std::string(pick(command_label(line.command))) + pick(line.action)});
    return out;
}

constexpr Text kOnOff{" on / off", " oui / non"};

// U+2212 is the minus sign.
const GroupText kPlayback{
    {"Playback", "Lecture"},
    0xE768,
    {
        {keys_of(CommandId::toggle_pause), CommandId::toggle_pause},
        {pair_of({CommandId::seek_relative, -5}, {CommandId::seek_relative, 5}),
         {"Back / forward 5 s", "Reculer / avancer de 5 s"}},
        {pair_of({CommandId::seek_relative, -1}, {CommandId::seek_relative, 1}),
         {"Back / forward 1 s", "Reculer / avancer de 1 s"}},
        {pair_of({CommandId::seek_relative, -60}, {CommandId::seek_relative, 60}),
         {"Back / forward 60 s", "Reculer / avancer de 60 s"}},
        {keys_of(CommandId::seek_to_start), {"Back to the start", "Retour au début"}},
        {pair_of({CommandId::frame_step}, {CommandId::frame_back_step}),
         {"Next / previous frame", "Image suivante / précédente"}},
        {pair_of({CommandId::speed_up}, {CommandId::speed_down}), {"Faster / slower", "Plus rapide / plus lent"}},
        {keys_of(CommandId::speed_reset), {"Normal speed", "Vitesse normale"}},
    }};

const GroupText kSound{
    {"Sound", "Son"},
    0xE995,
    {
        {pair_of({CommandId::volume_step, 5}, {CommandId::volume_step, -5}), {"Volume +5 / −5", "Volume +5 / −5"}},
        {words({"Wheel", "Molette"}), {"Volume (direction in the menu)", "Volume (sens dans le menu)"}},
        {keys_of(CommandId::toggle_mute), CommandId::toggle_mute},
    }};

// The keyboard's media keys, also the taskbar thumbnail's buttons and Windows' media overlay.
const GroupText kMediaKeys{{"Media keys", "Touches multimédia"},
                           0xE765,
                           {
                               {words({"Play/Pause key", "Touche Lecture/Pause"}), CommandId::toggle_pause},
                               {words({"Stop key", "Touche Arrêt"}), CommandId::pause},
                               {words({"Fast forward / Rewind keys", "Touches Avance / Retour rapides"}),
                                {"Forward / back 10 s", "Avancer / reculer de 10 s"}},
                           }};

const GroupText kTracks{
    {"Tracks", "Pistes"},
    0xE8D6,
    {
        {keys_of(CommandId::next_audio_track), {"Next audio track", "Piste audio suivante"}},
        {keys_of(CommandId::next_subtitle_track), {"Next subtitles, then off", "Sous-titres suivants, puis aucun"}},
    }};

const GroupText kWindow{
    {"Window", "Fenêtre"},
    0xE740,
    {
        {keys_of(CommandId::toggle_fullscreen), CommandId::toggle_fullscreen, kOnOff},
        {keys_of(CommandId::toggle_fullscreen, KeyRoute::alt), CommandId::toggle_fullscreen, kOnOff},
        {keys_of(CommandId::leave_fullscreen), {"Leave full screen", "Quitter le plein écran"}},
        {keys_of(CommandId::toggle_always_on_top), CommandId::toggle_always_on_top},
    }};

const GroupText kFiles{
    {"Files and menu", "Fichiers et menu"},
    0xE8E5,
    {
        {keys_of(CommandId::open_video), {"Open a video", "Ouvrir une vidéo"}},
        {words({"Drag and drop", "Glisser-déposer"}),
         {"Open a video or add subtitles", "Ouvrir une vidéo ou des sous-titres"}},
        {words({"Right-click", "Clic droit"}), {"Menu: tracks, language…", "Menu : pistes, langue…"}},
        {words({"Shift+F10, Menu key", "Maj+F10, touche Menu"}), {"Menu", "Menu"}},
    }};

const GroupText kMouse{
    {"Mouse", "Souris"},
    0xE962,
    {
        {words({"Click on the video", "Clic sur la vidéo"}), CommandId::toggle_pause},
        {words({"Double-click", "Double-clic"}), CommandId::toggle_fullscreen, kOnOff},
        {words({"Seek bar", "Barre de lecture"}), {"Click or drag to seek", "Cliquer ou glisser pour se déplacer"}},
        {words({"Volume slider", "Curseur de volume"}), {"Click or drag", "Cliquer ou glisser"}},
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
    program.lines.push_back({key_names({CommandId::toggle_multi_instance}),
                             std::string(pick(command_label(CommandId::toggle_multi_instance))) + "  " +
                                 pick(kCurrently) + multi_instance_state(multi_instance) + ")"});
    program.lines.push_back({key_names({CommandId::toggle_help}), pick(kHelpLine)});
    program.lines.push_back(
        {key_names({CommandId::quit}, KeyRoute::windows_alt), pick(command_label(CommandId::quit))});
    page.columns[0] = {picked(kPlayback), picked(kSound), picked(kMediaKeys), program};
    page.columns[1] = {picked(kWindow), picked(kTracks), picked(kFiles), picked(kMouse)};

    page.notes = {pick(kRemembered), pick(kHowToClose)};
    return page;
}

Command help_key_command(uint32_t virtual_key) {
    const Command command = key_command(virtual_key, false, false);
    return command.id == CommandId::toggle_multi_instance ? command : Command{};
}
