#include "ui/input/context_menu.h"

#include "app/settings/language.h"
#include "ui/input/key_bindings.h"

namespace {

// The items that run a command: the identifier, the command, and the words after the command's label,
// or the whole text for a command without one. The key bound to the command follows after a tab.
struct MenuItem {
    uint32_t id;
    CommandId command;
    Text after_label;
};

constexpr MenuItem kMenuItems[] = {
    {kMenuOpen, CommandId::open_video, {"Open…", "Ouvrir…"}},
    {kMenuPlayPause, CommandId::toggle_pause, {"", ""}},
    {kMenuFullscreen, CommandId::toggle_fullscreen, {"", ""}},
    {kMenuMultiInstance, CommandId::toggle_multi_instance, {"", ""}},
    {kMenuHelp, CommandId::toggle_help, {"", ""}},
    {kMenuQuit, CommandId::quit, {"", ""}},
    {kMenuWheelInvert,
     CommandId::toggle_wheel_invert,
     {"Inverted wheel (up = quieter)", "Molette inversée (haut = moins fort)"}},
    {kMenuAbout, CommandId::show_about, {"…", "…"}},
    {kMenuAlwaysOnTop, CommandId::toggle_always_on_top, {"", ""}},
    {kMenuLoadSubtitles, CommandId::load_subtitles, {"Load a subtitle file…", "Charger un fichier de sous-titres…"}},
};

constexpr Text kLanguage{"Langue / Language", "Langue / Language"};
constexpr Text kSubtitlesOff{"Off", "Désactivés"};
constexpr Text kNoAudioTrack{"No audio track", "Aucune piste audio"};

// A command's label, its words, and the key bound to `shortcut` after a tab. The track submenus carry
// the label of the bar button that opens them on its own, and the key that steps through the tracks.
std::string labelled(CommandId command, const Text& after_label, CommandId shortcut) {
    const std::string text = std::string(pick(command_label(command))) + pick(after_label);
    const std::string key = key_name({shortcut});
    return key.empty() ? text : text + "\t" + key;
}

const MenuItem* find_item(uint32_t id) {
    for (const MenuItem& item : kMenuItems)
        if (item.id == id) return &item;
    return nullptr;
}

MenuEntry item(uint32_t id, bool checked = false, bool grayed = false) {
    const MenuItem& found = *find_item(id);
    return {MenuEntry::Kind::item, id, labelled(found.command, found.after_label, found.command), checked, grayed};
}

MenuEntry text_item(uint32_t id, const Text& text, bool checked, bool grayed) {
    return {MenuEntry::Kind::item, id, pick(text), checked, grayed};
}

MenuEntry separator() { return {MenuEntry::Kind::separator, 0, {}, false, false}; }

}  // namespace

std::vector<MenuEntry> context_menu_entries(const MenuState& state) {
    const bool idle = !state.file_loaded;
    return {
        item(kMenuOpen),
        item(kMenuPlayPause, false, idle),
        item(kMenuFullscreen, state.fullscreen),
        separator(),
        {MenuEntry::Kind::audio_menu, 0, labelled(CommandId::audio_menu, {"", ""}, CommandId::next_audio_track), false,
         idle},
        {MenuEntry::Kind::subtitle_menu, 0,
         labelled(CommandId::subtitle_menu, {"", ""}, CommandId::next_subtitle_track), false, idle},
        separator(),
        item(kMenuMultiInstance, state.multi_instance),
        item(kMenuAlwaysOnTop, state.always_on_top),
        item(kMenuWheelInvert, state.wheel_invert),
        separator(),
        {MenuEntry::Kind::language_menu, 0, pick(kLanguage), false, false},
        separator(),
        item(kMenuHelp),
        item(kMenuAbout),
        item(kMenuQuit),
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
        entries.push_back(text_item(kMenuSubtitleBase, kSubtitlesOff, !any_selected, !file_loaded));
    }
    size_t track_entries = 0;
    for (const Track& track : listed) {
        if (track.id < 1 || track.id > last_id) continue;
        ++track_entries;
        entries.push_back({MenuEntry::Kind::item, base + static_cast<uint32_t>(track.id),
                           escape_ampersands(track_label(track)), track.selected, false});
    }
    if (!subtitles && track_entries == 0) entries.push_back(text_item(0, kNoAudioTrack, false, true));
    if (subtitles) {
        entries.push_back(separator());
        entries.push_back(item(kMenuLoadSubtitles, false, !file_loaded));
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
    if (id == kMenuFrench) return {CommandId::switch_language, 0, Language::french};
    if (id == kMenuEnglish) return {CommandId::switch_language, 0, Language::english};
    const MenuItem* found = find_item(id);
    return found ? Command{found->command} : Command{};
}
