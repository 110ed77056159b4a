// Every text a person sees, in English and in French. The texts are taken from what the program
// builds in each language (help, menus, bar, screen-reader names, taskbar, on-screen messages), so
// a text added in one language only, or left empty, shows here without a copy of any table.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/playback/playback_messages.h"
#include "app/playback/track_labels.h"
#include "app/settings/language.h"
#include "app/shell/shell_surfaces.h"
#include "ui/bar/bar_access.h"
#include "ui/bar/bar_model.h"
#include "ui/cards/help_window.h"
#include "ui/input/context_menu.h"

namespace {

struct Shown {
    std::string group;  // what builds it
    std::string where;
    std::string text;
};

void add_menu(std::vector<Shown>& out, const std::string& where, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries)
        if (entry.kind != MenuEntry::Kind::separator) out.push_back({where, where, entry.label});
}

std::vector<Shown> texts_shown() {
    std::vector<Shown> out;
    for (const bool multi_instance : {false, true}) {
        const HelpPage page = help_page(multi_instance);
        out.push_back({"help", "help title", page.title});
        for (const auto& column : page.columns)
            for (const auto& group : column) {
                out.push_back({"help", "help heading", group.heading});
                for (const auto& line : group.lines) {
                    out.push_back({"help", "help keys of " + line.action, line.keys});
                    out.push_back({"help", "help row " + line.keys, line.action});
                }
            }
        for (const auto& note : page.notes) out.push_back({"help", "help note", note});
    }

    add_menu(out, "menu", context_menu_entries(MenuState{}));
    add_menu(out, "language menu", language_menu_entries());
    Track track;
    track.id = 1;
    track.lang = "eng";
    for (const TrackKind kind : {TrackKind::audio, TrackKind::subtitle})
        for (const bool loaded : {false, true})
            add_menu(out, "track menu",
                     track_menu_entries(kind, true, loaded, loaded ? std::vector<Track>{track} : std::vector<Track>{}));

    for (uint8_t id = 0; id < kBarButtonCount; ++id)
        out.push_back({"bar tooltips", "bar tooltip", bar_button_tooltip(id)});
    PlaybackState playback;
    for (const bool loaded : {false, true}) {
        playback.file_loaded = loaded;
        for (const bool paused : {false, true}) {
            playback.paused = paused;
            playback.muted = paused;
            const BarView view{paused, paused, true, false, 0, loaded};
            const AccessibleTree tree = bar_accessible_tree(compute_bar_layout(96, 944, 46), playback, view);
            out.push_back({"screen reader", "bar", tree.root.name});
            for (const auto& node : tree.children)
                out.push_back({"screen reader", "bar element " + node.automation_id, node.name});
            for (const ThumbButton& button : thumb_buttons(playback))
                out.push_back({"taskbar", "thumb button", button.tooltip});
        }
    }

    out.push_back({"track label", "track label", track_label(track)});
    out.push_back({"multi-instance state", "multi-instance state", multi_instance_state(false)});
    out.push_back({"multi-instance state", "multi-instance state", multi_instance_state(true)});
    out.push_back({"cannot play", "cannot play", cannot_play_message("C:\\v\\a.mkv")});
    out.push_back({"resume", "resume", resume_message(65)});
    out.push_back({"volume", "volume", volume_message(50)});
    out.push_back({"mute", "mute", mute_message(true)});
    out.push_back({"unmute", "unmute", mute_message(false)});
    out.push_back({"speed", "speed", speed_message(1.5)});
    out.push_back({"subtitle added", "subtitle added", subtitle_added_message("C:\\v\\a.srt")});
    out.push_back({"subtitle refused", "subtitle refused", subtitle_refused_message()});
    for (const TrackKind kind : {TrackKind::audio, TrackKind::subtitle}) {
        out.push_back({"track selected", "track selected", track_selected_message(kind, "x")});
        out.push_back({"single track", "single track", single_track_message(kind)});
    }
    out.push_back({"cannot load", "cannot load", cannot_load_message("libmpv-2.dll")});
    out.push_back({"function missing", "function missing", function_missing_message("mpv_create")});
    out.push_back({"create failed", "create failed", create_failed_message()});
    out.push_back({"initialize failed", "initialize failed", initialize_failed_message(-1)});
    return out;
}

TEST(BothLanguages, EveryTextIsThereInEachLanguageAndNotEmpty) {
    set_active_language(Language::english);
    const std::vector<Shown> english = texts_shown();
    set_active_language(Language::french);
    const std::vector<Shown> french = texts_shown();
    set_active_language(Language::english);

    ASSERT_EQ(english.size(), french.size());
    std::map<std::string, size_t> translated;  // texts that differ, by group
    for (size_t i = 0; i < english.size(); ++i) {
        EXPECT_FALSE(english[i].text.empty()) << english[i].where;
        EXPECT_FALSE(french[i].text.empty()) << french[i].where;
        translated[english[i].group] += english[i].text != french[i].text;
    }
    // Each builder picks by the active language (a few texts are alike by nature: "Multi-instance",
    // "M"); only the language menu names each language in its own tongue whichever is active.
    for (const auto& [group, count] : translated) {
        if (group == "language menu")
            EXPECT_EQ(count, 0u);
        else
            EXPECT_GT(count, 0u) << group;
    }
}

}  // namespace
