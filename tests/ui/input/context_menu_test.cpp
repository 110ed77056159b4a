#include "ui/input/context_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/settings/language.h"
#include "support/key_names.h"
#include "ui/bar/bar_model.h"
#include "ui/cards/help_window.h"

namespace {

using Kind = MenuEntry::Kind;

using C = CommandId;

struct Expected {
    Kind kind;
    uint32_t id;
    CommandId command;  // what the entry runs; for a submenu, what the key in its label runs
    bool key_named;     // a key follows the tab
};

// Order, identifiers, commands and which labels name a key.
const Expected kMainMenu[] = {
    {Kind::item, 1, C::open_video, true},
    {Kind::item, 2, C::toggle_pause, true},
    {Kind::item, 3, C::toggle_fullscreen, true},
    {Kind::separator, 0, C::none, false},
    {Kind::audio_menu, 0, C::next_audio_track, true},
    {Kind::subtitle_menu, 0, C::next_subtitle_track, true},
    {Kind::separator, 0, C::none, false},
    {Kind::item, 4, C::toggle_multi_instance, true},
    {Kind::item, 10, C::toggle_always_on_top, true},
    {Kind::item, 7, C::toggle_wheel_invert, false},
    {Kind::separator, 0, C::none, false},
    {Kind::language_menu, 0, C::none, false},
    {Kind::separator, 0, C::none, false},
    {Kind::item, 5, C::toggle_help, true},
    {Kind::item, 9, C::show_about, false},
    {Kind::item, 6, C::quit, false},  // Alt+F4: Windows closes the window
};

class ContextMenu : public ::testing::Test {
protected:
    void TearDown() override { set_active_language(Language::english); }
};

// The texts themselves are checked for both languages with every other text (both_languages_test);
// here, that each entry runs its command and each shortcut a label shows is a key bound to that command.
TEST_F(ContextMenu, OrderIdsAndShortcutsInBothLanguages) {
    for (const Language language : {Language::english, Language::french}) {
        set_active_language(language);
        const auto entries = context_menu_entries(MenuState{});
        ASSERT_EQ(entries.size(), std::size(kMainMenu));
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].kind, kMainMenu[i].kind) << i;
            EXPECT_EQ(entries[i].id, kMainMenu[i].id) << i;
            EXPECT_EQ(entries[i].label.empty(), entries[i].kind == Kind::separator) << i;
            const size_t tab = entries[i].label.find('\t');
            std::vector<std::string> others;
            const auto keys = tab == std::string::npos
                                  ? std::vector<NamedKey>{}
                                  : read_keys(entries[i].label.substr(tab + 1), language == Language::english, others);
            if (entries[i].kind == Kind::item) {
                EXPECT_EQ(menu_command(entries[i].id).id, kMainMenu[i].command) << i;
            }
            if (!kMainMenu[i].key_named) {
                EXPECT_TRUE(keys.empty()) << entries[i].label;
                continue;
            }
            ASSERT_EQ(keys.size(), 1u) << entries[i].label;
            EXPECT_TRUE(others.empty()) << entries[i].label;
            EXPECT_EQ(key_command(keys[0].key, keys[0].ctrl, keys[0].shift).id, kMainMenu[i].command)
                << entries[i].label;
        }
    }
}

// The menus, the bar's tooltips and Help name each key alike: a key a menu item shows is in the
// tooltip of the button that runs the same command (or opens the same track menu), and on a Help row
// among the keys bound to that command; Alt+F4 is on a row of its own.
TEST_F(ContextMenu, TooltipsAndHelpNameTheMenusKeys) {
    for (const Language language : {Language::english, Language::french}) {
        set_active_language(language);
        const bool english = language == Language::english;
        std::vector<NamedKey> help_keys;
        std::vector<std::string> help_others;
        for (const auto& column : help_page(false).columns)
            for (const auto& group : column)
                for (const auto& line : group.lines) {
                    const auto keys = read_keys(line.keys, english, help_others);
                    help_keys.insert(help_keys.end(), keys.begin(), keys.end());
                }
        const auto entries = context_menu_entries(MenuState{});
        for (size_t i = 0; i < entries.size(); ++i) {
            const size_t tab = entries[i].label.find('\t');
            if (tab == std::string::npos) continue;
            const std::string shortcut = entries[i].label.substr(tab + 1);
            std::vector<std::string> others;
            const auto keys = read_keys(shortcut, english, others);
            if (keys.empty()) {
                EXPECT_NE(std::find(help_others.begin(), help_others.end(), shortcut), help_others.end()) << shortcut;
                continue;
            }
            const Command command = key_command(keys[0].key, keys[0].ctrl, keys[0].shift);
            EXPECT_TRUE(std::any_of(help_keys.begin(), help_keys.end(), [&](const NamedKey& key) {
                return key_command(key.key, key.ctrl, key.shift) == command && key.key == keys[0].key;
            })) << shortcut;
            const CommandId button_command = entries[i].kind == Kind::audio_menu      ? C::audio_menu
                                             : entries[i].kind == Kind::subtitle_menu ? C::subtitle_menu
                                                                                      : command.id;
            for (uint8_t button = 0; button < kBarButtonCount; ++button) {
                if (bar_button_command(button).id != button_command) continue;
                EXPECT_NE(bar_button_tooltip(button).find("(" + shortcut), std::string::npos)
                    << bar_button_tooltip(button);
            }
        }
    }
}

TEST_F(ContextMenu, CheckAndGreyStatesFollowTheState) {
    struct Case {
        MenuState state;
    };
    const MenuState states[] = {
        {false, false, false, false, false}, {true, false, false, false, false}, {false, true, false, false, false},
        {false, false, true, false, false},  {false, false, false, true, false}, {false, false, false, false, true},
        {true, true, true, true, true},
    };
    for (const MenuState& s : states) {
        for (const MenuEntry& e : context_menu_entries(s)) {
            bool checked = false;
            bool grayed = false;
            if (e.kind == Kind::item) {
                if (e.id == kMenuFullscreen) checked = s.fullscreen;
                if (e.id == kMenuMultiInstance) checked = s.multi_instance;
                if (e.id == kMenuAlwaysOnTop) checked = s.always_on_top;
                if (e.id == kMenuWheelInvert) checked = s.wheel_invert;
                if (e.id == kMenuPlayPause) grayed = !s.file_loaded;
            }
            if (e.kind == Kind::audio_menu || e.kind == Kind::subtitle_menu) grayed = !s.file_loaded;
            EXPECT_EQ(e.checked, checked) << e.label;
            EXPECT_EQ(e.grayed, grayed) << e.label;
        }
    }
}

TEST_F(ContextMenu, LanguageSubmenuChecksTheActiveLanguage) {
    for (const Language language : {Language::english, Language::french}) {
        set_active_language(language);
        const auto entries = language_menu_entries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].id, kMenuFrench);
        EXPECT_EQ(entries[0].label, "Français");
        EXPECT_EQ(entries[0].checked, language == Language::french);
        EXPECT_EQ(entries[1].id, kMenuEnglish);
        EXPECT_EQ(entries[1].label, "English");
        EXPECT_EQ(entries[1].checked, language == Language::english);
    }
}

Track track(int64_t id, bool selected, const std::string& title = {}) {
    Track t;
    t.id = id;
    t.selected = selected;
    t.title = title;
    return t;
}

TEST_F(ContextMenu, TrackMenusWithoutCoreAreEmpty) {
    EXPECT_TRUE(track_menu_entries(TrackKind::audio, false, true, {track(1, true)}).empty());
    EXPECT_TRUE(track_menu_entries(TrackKind::subtitle, false, true, {track(1, true)}).empty());
}

TEST_F(ContextMenu, TrackMenusWithNothingLoaded) {
    // The tracks passed in are ignored while no file is loaded.
    const auto audio = track_menu_entries(TrackKind::audio, true, false, {track(1, true)});
    ASSERT_EQ(audio.size(), 1u);
    EXPECT_EQ(audio[0].id, 0u);
    EXPECT_EQ(audio[0].label, "No audio track");
    EXPECT_TRUE(audio[0].grayed);

    const auto sub = track_menu_entries(TrackKind::subtitle, true, false, {track(1, true)});
    ASSERT_EQ(sub.size(), 3u);
    EXPECT_EQ(sub[0].id, 2000u);
    EXPECT_EQ(sub[0].label, "Off");
    EXPECT_TRUE(sub[0].checked);
    EXPECT_TRUE(sub[0].grayed);
    EXPECT_EQ(sub[1].kind, Kind::separator);
    EXPECT_EQ(sub[2].id, 2999u);
    EXPECT_EQ(sub[2].label, "Load a subtitle file…");
    EXPECT_TRUE(sub[2].grayed);

    set_active_language(Language::french);
    EXPECT_EQ(track_menu_entries(TrackKind::audio, true, false, {})[0].label, "Aucune piste audio");
    const auto sub_fr = track_menu_entries(TrackKind::subtitle, true, false, {});
    EXPECT_EQ(sub_fr[0].label, "Désactivés");
    EXPECT_EQ(sub_fr[2].label, "Charger un fichier de sous-titres…");
}

TEST_F(ContextMenu, TrackMenusListTracksInOrder) {
    const std::vector<Track> tracks{track(2, false, "Tom & Jerry"), track(1, true, "Director's cut"), track(3, false)};
    const auto audio = track_menu_entries(TrackKind::audio, true, true, tracks);
    ASSERT_EQ(audio.size(), 3u);
    const uint32_t audio_ids[] = {1002, 1001, 1003};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(audio[i].id, audio_ids[i]);
        EXPECT_EQ(audio[i].label, escape_ampersands(track_label(tracks[i])));
        EXPECT_EQ(audio[i].checked, tracks[i].selected);
        EXPECT_FALSE(audio[i].grayed);
    }

    const auto sub = track_menu_entries(TrackKind::subtitle, true, true, tracks);
    ASSERT_EQ(sub.size(), 6u);
    EXPECT_EQ(sub[0].id, 2000u);
    EXPECT_FALSE(sub[0].checked);  // a track is selected
    EXPECT_FALSE(sub[0].grayed);
    EXPECT_EQ(sub[1].id, 2002u);
    EXPECT_EQ(sub[2].id, 2001u);
    EXPECT_TRUE(sub[2].checked);
    EXPECT_EQ(sub[3].id, 2003u);
    EXPECT_EQ(sub[4].kind, Kind::separator);
    EXPECT_EQ(sub[5].id, 2999u);
    EXPECT_FALSE(sub[5].grayed);

    // Subtitles off: "Off" is checked.
    const auto off = track_menu_entries(TrackKind::subtitle, true, true, {track(1, false), track(2, false)});
    EXPECT_TRUE(off[0].checked);
    // A loaded file without audio tracks.
    const auto none = track_menu_entries(TrackKind::audio, true, true, {});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].id, 0u);
    EXPECT_TRUE(none[0].grayed);
}

TEST_F(ContextMenu, TrackIdsOutsideTheirRangeAreLeftOut) {
    // An id of 1000 would read as "subtitles off" from the audio menu, 999 + 2000 as "Load a subtitle file…".
    const std::vector<Track> tracks{track(0, false), track(-4, false), track(999, false), track(1000, false)};
    const auto audio = track_menu_entries(TrackKind::audio, true, true, tracks);
    ASSERT_EQ(audio.size(), 1u);
    EXPECT_EQ(audio[0].id, 1999u);
    const auto sub = track_menu_entries(TrackKind::subtitle, true, true, {track(998, false), track(999, true)});
    ASSERT_EQ(sub.size(), 4u);
    EXPECT_EQ(sub[1].id, 2998u);
    EXPECT_FALSE(sub[0].checked);  // the selected track still counts for "Off"
    const auto only_bad = track_menu_entries(TrackKind::audio, true, true, {track(5000, true)});
    ASSERT_EQ(only_bad.size(), 1u);
    EXPECT_EQ(only_bad[0].id, 0u);  // "No audio track"
}

TEST_F(ContextMenu, AmpersandsAreDoubled) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"&", "&&"}, {"Tom & Jerry", "Tom && Jerry"}, {"&&x&", "&&&&x&&"}, {"plain", "plain"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(escape_ampersands(in), out) << in;
}

// The identifiers outside the main menu: track ranges, the subtitle file and the languages.
TEST_F(ContextMenu, MenuCommandsOfTheOtherIdentifiers) {
    const std::pair<uint32_t, Command> cases[] = {
        {0, {}},
        {8, {}},
        {1000, {}},
        {1001, {C::select_audio_track, 1}},
        {1999, {C::select_audio_track, 999}},
        {2000, {C::select_subtitle_track, 0}},
        {2001, {C::select_subtitle_track, 1}},
        {2998, {C::select_subtitle_track, 998}},
        {2999, {C::load_subtitles}},
        {3000, {}},
        {3001, {C::switch_language, 0, Language::french}},
        {3002, {C::switch_language, 0, Language::english}},
        {3003, {}},
        {UINT32_MAX, {}},
    };
    for (const auto& [id, command] : cases) EXPECT_EQ(menu_command(id), command) << id;
}

}  // namespace
