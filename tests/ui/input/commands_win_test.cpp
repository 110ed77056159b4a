// run_command over the whole command list: what each command sends the player core on a loaded file,
// and whether the bar is drawn again.
#include "ui/input/commands_win.h"

#include <set>

#include "support/file_dialog_watcher_win.h"
#include "support/program_windows_win.h"

namespace {

using C = CommandId;

struct RunCommand : PlaybackWindows {};

Command with_path(CommandId id, const char* path) {
    Command command{id};
    command.path = path;
    return command;
}

Command in_language(Language language) { return {C::switch_language, 0, language}; }

// Ends the track menu a command opens, once it shows.
void CALLBACK end_menu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
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
        bool repaint;
    } rows[] = {
        {{}, false, 0, false},
        {{C::open_video}, false, 0, false},
        {with_path(C::open_file, "C:\\v\\next.mkv"), false, 4, true},  // resume point, message, unpause, load
        {{C::toggle_pause}, false, 2, true},                           // pause, then the resume point
        {{C::play}, false, 0, false},
        {{C::play}, true, 1, true},
        {{C::pause}, true, 0, false},
        {{C::pause}, false, 2, true},
        {{C::seek_relative, -10}, false, 1, false},
        {{C::seek_to_start}, false, 1, false},
        {{C::seek_to, 30}, false, 1, false},
        {{C::seek_to_keyframe, 30}, false, 1, false},
        {{C::frame_step}, false, 1, false},
        {{C::frame_back_step}, false, 1, false},
        {{C::volume_step, 5}, false, 2, true},
        {{C::set_volume, 40}, false, 1, true},
        {{C::toggle_mute}, false, 2, true},
        {{C::speed_up}, false, 2, true},
        {{C::speed_down}, false, 2, true},
        {{C::speed_reset}, false, 2, true},
        {{C::next_audio_track}, false, 2, false},  // the list (none here), then "only one track"
        {{C::next_subtitle_track}, false, 2, false},
        {{C::select_audio_track, 1}, false, 3, true},  // the track, the list for its label, the message
        {{C::select_subtitle_track, 0}, false, 3, true},
        {{C::load_subtitles}, false, 0, false},
        {with_path(C::load_subtitle_file, "C:\\v\\next.srt"), false, 2, false},  // added, and said so
        {{C::audio_menu}, false, 1, false},                                      // the list the menu shows
        {{C::subtitle_menu}, false, 1, false},
        {{C::toggle_fullscreen}, false, 0, false},  // the bar hides until the pointer moves
        {{C::leave_fullscreen}, false, 0, true},
        {{C::toggle_always_on_top}, false, 1, true},
        {{C::toggle_always_on_top}, false, 1, true},
        {{C::toggle_multi_instance}, false, 1, false},
        {{C::toggle_multi_instance}, false, 1, false},
        {{C::toggle_wheel_invert}, false, 0, false},
        {{C::toggle_wheel_invert}, false, 0, false},
        {in_language(Language::french), false, 1, true},
        {in_language(Language::english), false, 1, true},
        {{C::toggle_help}, false, 0, false},
        {{C::toggle_help}, false, 0, false},
        {{C::show_about}, false, 0, false},
        {{C::quit}, false, 0, false},
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
        run_command(app, row.command);
        dialogs += cancel.opened;
        EXPECT_EQ(recorder.calls.size(), row.calls) << name << " paused " << row.paused;
        EXPECT_EQ(bar_invalidated(), row.repaint) << name << " paused " << row.paused;
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
