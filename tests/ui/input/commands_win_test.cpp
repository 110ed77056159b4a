// run_command over the whole command list: what each command sends the player core on a loaded file,
// whether the bar is drawn again and which setting it changes.
#include "ui/input/commands_win.h"

#include <set>
#include <sstream>
#include <string>

#include "app/settings/settings.h"
#include "support/file_dialog_watcher_win.h"
#include "support/program_windows_win.h"

namespace {

using C = CommandId;

struct RunCommand : PlaybackWindows {};

Command in_language(Language language) { return {C::switch_language, 0, language}; }

// Ends the track menu a command opens, once it shows.
void CALLBACK end_menu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

// The keys of settings.ini whose lines differ.
std::string changed_settings(const Settings& before, const Settings& after) {
    std::istringstream a(format_settings(before));
    std::istringstream b(format_settings(after));
    std::string out;
    for (std::string x, y; std::getline(a, x) && std::getline(b, y);)
        if (x != y) out += x.substr(0, x.find('='));
    return out;
}

// In this order: a command that changes a mode, a setting or a window is followed by the one that
// changes it back. Dialogs are cancelled and menus dismissed as soon as they show. Play and pause
// act only when they change something; a command that changed nothing the bar shows leaves it alone,
// since a repaint under Wine is a trip to the server.
TEST_F(RunCommand, EveryCommandOfTheList) {
    const struct Row {
        Command command;
        bool paused;
        size_t calls;
        const char* sends;  // a part of the last call
        bool repaint;
        const char* setting;  // the key of settings.ini it changes
    } rows[] = {
        {{}, false, 0, "", false, ""},
        {{C::open_video}, false, 0, "", false, ""},
        // the resume point, the message cleared, unpaused, loaded
        {path_command(C::open_file, "C:\\v\\next.mkv"), false, 4, "[loadfile] [C:\\v\\next.mkv]", true, ""},
        {{C::toggle_pause}, false, 2, "[write-watch-later-config]", true, ""},  // paused, then the resume point
        {{C::play}, false, 0, "", false, ""},
        {{C::play}, true, 1, "pause=0", true, ""},
        {{C::pause}, true, 0, "", false, ""},
        {{C::pause}, false, 2, "[write-watch-later-config]", true, ""},
        {{C::seek_relative, -10}, false, 1, "seek -10 relative+exact", false, ""},
        {{C::seek_to_start}, false, 1, "[seek] [0.000] [absolute+exact]", false, ""},
        {{C::seek_to, 30}, false, 1, "[seek] [30.000] [absolute+exact]", false, ""},
        {{C::seek_to_keyframe, 30}, false, 1, "[seek] [30.000] [absolute+keyframes]", false, ""},
        {{C::frame_step}, false, 1, "[frame-step]", false, ""},
        {{C::frame_back_step}, false, 1, "[frame-back-step]", false, ""},
        {{C::volume_step, 5}, false, 2, "[Volume: 85%]", true, ""},
        {{C::set_volume, 40}, false, 1, "volume=40.0", true, ""},
        {{C::toggle_mute}, false, 2, "[Muted]", true, ""},
        {{C::speed_up}, false, 2, "[Speed: ×1.25]", true, ""},
        {{C::speed_down}, false, 2, "[Speed: ×1]", true, ""},
        {{C::speed_reset}, false, 2, "[Speed: ×1]", true, ""},
        {{C::next_audio_track}, false, 2, "[Only one audio track]", false, ""},  // the list (none here), the message
        {{C::next_subtitle_track}, false, 2, "[No subtitles", false, ""},
        // the track, the list for its label, the message
        {{C::select_audio_track, 1}, false, 3, "[Audio: off]", true, ""},
        {{C::select_subtitle_track, 0}, false, 3, "[Subtitles: off]", true, ""},
        {{C::load_subtitles}, false, 0, "", false, ""},
        {path_command(C::load_subtitle_file, "C:\\v\\next.srt"), false, 2, "[Subtitles: C:\\v\\next.srt]", false, ""},
        {{C::audio_menu}, false, 1, "track-list/count", false, ""},  // the list the menu shows
        {{C::subtitle_menu}, false, 1, "track-list/count", false, ""},
        {{C::toggle_fullscreen}, false, 0, "", false, ""},  // the bar hides until the pointer moves
        {{C::leave_fullscreen}, false, 0, "", true, ""},
        {{C::toggle_always_on_top}, false, 1, "[Always on top: on]", true, "always_on_top"},
        {{C::toggle_always_on_top}, false, 1, "[Always on top: off]", true, "always_on_top"},
        {{C::toggle_multi_instance}, false, 1, "[Multi-instance on:", false, "multi_instance"},
        {{C::toggle_multi_instance}, false, 1, "[Multi-instance off:", false, "multi_instance"},
        {{C::toggle_wheel_invert}, false, 0, "", false, "wheel_invert"},
        {{C::toggle_wheel_invert}, false, 0, "", false, "wheel_invert"},
        {{C::toggle_hide_about}, false, 0, "", false, "hide_about"},
        {{C::toggle_hide_about}, false, 0, "", false, "hide_about"},
        {in_language(Language::french), false, 1, "[Langue : français]", true, "language"},
        {in_language(Language::english), false, 1, "[Language: English]", true, "language"},
        {{C::toggle_help}, false, 0, "", false, ""},
        {{C::toggle_help}, false, 0, "", false, ""},
        {{C::show_about}, false, 0, "", false, ""},
        {{C::quit}, false, 0, "", false, ""},
    };
    std::set<CommandId> covered;
    int dialogs = 0;
    for (const Row& row : rows) {
        const char* name = command_name(row.command.id);
        covered.insert(row.command.id);
        load_file(100);
        app.playback.paused = row.paused;
        settle();
        const FileDialogWatcher cancel;
        SetTimer(nullptr, 0, 50, end_menu);
        const Settings before = app.settings;
        run_command(app, row.command);
        dialogs += cancel.opened;
        EXPECT_EQ(recorder.calls.size(), row.calls) << name << " paused " << row.paused;
        const std::string last = recorder.calls.empty() ? "" : recorder.calls.back();
        EXPECT_NE(last.find(row.sends), std::string::npos) << name << ": " << last;
        EXPECT_EQ(bar_invalidated(), row.repaint) << name << " paused " << row.paused;
        EXPECT_EQ(changed_settings(before, app.settings), row.setting) << name;
    }
    for (size_t i = 0; i < std::size(kCommandNames); ++i)
        EXPECT_EQ(covered.count(static_cast<CommandId>(i)), 1u) << kCommandNames[i] << " has no row";

    EXPECT_EQ(dialogs, 2);  // the video and the subtitle dialogs
    EXPECT_FALSE(app.windows.help);
    EXPECT_TRUE(app.windows.about);
    destroy_about(app);
    // Quit is posted, so that a menu's own loop ends before the window goes: taken back here.
    MSG close{};
    EXPECT_TRUE(PeekMessageW(&close, app.windows.main_window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

}  // namespace
