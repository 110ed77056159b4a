#include "ui/input/context_menu.h"

#include "app/settings/language.h"
#include "app/version.h"

namespace {

constexpr Text kOpen{"Open…\tCtrl+O", "Ouvrir…\tCtrl+O"};
constexpr Text kPlayPause{"Play / Pause\tSpace", "Lecture / Pause\tEspace"};
constexpr Text kFullscreen{"Full screen\tF", "Plein écran\tF"};
constexpr Text kAudioTrack{"Audio track\tA", "Piste audio\tA"};
constexpr Text kSubtitles{"Subtitles\tS", "Sous-titres\tS"};
constexpr Text kMultiInstance{"Multi-instance\tI", "Multi-instance\tI"};
constexpr Text kAlwaysOnTop{"Always on top\tT", "Toujours au premier plan\tT"};
constexpr Text kWheelInvert{"Inverted wheel (up = quieter)", "Molette inversée (haut = moins fort)"};
constexpr Text kLanguage{"Langue / Language", "Langue / Language"};
constexpr Text kHelp{"Help\tF1", "Aide\tF1"};
constexpr Text kAboutPrefix{"About ", "À propos de "};
constexpr char kTitle[] = TARNWICK_PRODUCT_NAME;
constexpr char kEllipsis[] = "…";
constexpr Text kQuit{"Quit\tAlt+F4", "Quitter\tAlt+F4"};
constexpr Text kSubtitlesOff{"Off", "Désactivés"};
constexpr Text kNoAudioTrack{"No audio track", "Aucune piste audio"};
constexpr Text kLoadSubtitles{"Load a subtitle file…", "Charger un fichier de sous-titres…"};

MenuEntry item(uint32_t id, const Text& text, bool checked = false, bool grayed = false) {
    return {MenuEntry::Kind::item, id, pick(text), checked, grayed};
}

MenuEntry separator() { return {MenuEntry::Kind::separator, 0, {}, false, false}; }

}  // namespace

std::vector<MenuEntry> context_menu_entries(const MenuState& state) {
    const bool idle = !state.file_loaded;
    return {
        item(kMenuOpen, kOpen),
        item(kMenuPlayPause, kPlayPause, false, idle),
        item(kMenuFullscreen, kFullscreen, state.fullscreen),
        separator(),
        {MenuEntry::Kind::audio_menu, 0, pick(kAudioTrack), false, idle},
        {MenuEntry::Kind::subtitle_menu, 0, pick(kSubtitles), false, idle},
        separator(),
        item(kMenuMultiInstance, kMultiInstance, state.multi_instance),
        item(kMenuAlwaysOnTop, kAlwaysOnTop, state.always_on_top),
        item(kMenuWheelInvert, kWheelInvert, state.wheel_invert),
        separator(),
        {MenuEntry::Kind::language_menu, 0, pick(kLanguage), false, false},
        separator(),
        item(kMenuHelp, kHelp),
        {MenuEntry::Kind::item, kMenuAbout, std::string(pick(kAboutPrefix)) + kTitle + kEllipsis, false, false},
        item(kMenuQuit, kQuit),
    };
}

std::vector<MenuEntry> language_menu_entries() {
    return {
        {MenuEntry::Kind::item, kMenuFrench, "Français", !english_active(), false},
        {MenuEntry::Kind::item, kMenuEnglish, "English", english_active(), false},
    };
}

std::vector<MenuEntry> track_menu_entries(TrackKind kind, bool core_present, bool file_loaded,
                                          const std::vector<Track>& tracks) {
    std::vector<MenuEntry> entries;
    if (!core_present) return entries;
    const bool subtitles = kind == TrackKind::subtitle;
    const uint32_t base = subtitles ? kMenuSubtitleBase : kMenuAudioBase;
    // Identifiers must stay inside the kind's range, or a track would dispatch as another command.
    const int64_t last_id = subtitles ? kMenuLoadSubtitles - 1 - base : 999;
    const std::vector<Track> none;
    const std::vector<Track>& listed = file_loaded ? tracks : none;

    if (subtitles) {
        bool any_selected = false;
        for (const Track& track : listed) any_selected = any_selected || track.selected;
        entries.push_back(item(kMenuSubtitleBase, kSubtitlesOff, !any_selected, !file_loaded));
    }
    size_t track_entries = 0;
    for (const Track& track : listed) {
        if (track.id < 1 || track.id > last_id) continue;
        ++track_entries;
        entries.push_back({MenuEntry::Kind::item, base + static_cast<uint32_t>(track.id),
                           escape_ampersands(track_label(track)), track.selected, false});
    }
    if (!subtitles && track_entries == 0) entries.push_back(item(0, kNoAudioTrack, false, true));
    if (subtitles) {
        entries.push_back(separator());
        entries.push_back(item(kMenuLoadSubtitles, kLoadSubtitles, false, !file_loaded));
    }
    return entries;
}

std::string escape_ampersands(std::string_view label) {
    std::string out;
    out.reserve(label.size());
    for (const char c : label) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

Command menu_command(uint32_t id) {
    if (id > kMenuAudioBase && id < kMenuSubtitleBase)
        return {CommandId::select_audio_track, static_cast<double>(id - kMenuAudioBase)};
    if (id >= kMenuSubtitleBase && id < kMenuLoadSubtitles)
        return {CommandId::select_subtitle_track, static_cast<double>(id - kMenuSubtitleBase)};
    switch (id) {
        case kMenuOpen:
            return {CommandId::open_video};
        case kMenuPlayPause:
            return {CommandId::toggle_pause};
        case kMenuFullscreen:
            return {CommandId::toggle_fullscreen};
        case kMenuMultiInstance:
            return {CommandId::toggle_multi_instance};
        case kMenuHelp:
            return {CommandId::toggle_help};
        case kMenuQuit:
            return {CommandId::quit};
        case kMenuWheelInvert:
            return {CommandId::toggle_wheel_invert};
        case kMenuAbout:
            return {CommandId::show_about};
        case kMenuAlwaysOnTop:
            return {CommandId::toggle_always_on_top};
        case kMenuLoadSubtitles:
            return {CommandId::load_subtitles};
        case kMenuFrench:
            return {CommandId::switch_language, 0, Language::french};
        case kMenuEnglish:
            return {CommandId::switch_language, 0, Language::english};
        default:
            return {};
    }
}
