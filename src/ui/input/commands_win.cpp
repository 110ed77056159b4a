#include "ui/input/commands_win.h"

#include "app/app_state_win.h"
#include "app/playback/playback_win.h"
#include "app/playback/tracks_win.h"
#include "app/preferences_win.h"
#include "ui/cards/about_window_win.h"
#include "ui/cards/help_window_win.h"
#include "ui/input/context_menu_win.h"
#include "ui/input/open_dialog_win.h"
#include "ui/state_changed_win.h"
#include "ui/window_modes_win.h"

namespace {

bool playing(const PlaybackState& state) { return state.file_loaded && !state.paused && !state.eof_reached; }

// Every action returns what it changed; run_command passes that on once the action is done.
Changes carry_out(App& app, const Command& command) {
    switch (command.id) {
        case CommandId::none:
            return kChangedNothing;
        // The choice of a dialog or a menu is a command of its own, run once the dialog or menu has gone.
        case CommandId::open_video:
            run_command(app, choose_video(app));
            return kChangedNothing;
        case CommandId::open_file:
            return open_file(app, command.path);
        case CommandId::toggle_pause:
            return toggle_pause(app);
        case CommandId::play:
            return playing(app.playback) ? kChangedNothing : toggle_pause(app);
        case CommandId::pause:
            return playing(app.playback) ? toggle_pause(app) : kChangedNothing;
        case CommandId::seek_relative:
            seek_relative(app, static_cast<int32_t>(command.amount));
            return kChangedNothing;
        case CommandId::seek_to_start:
            seek_absolute(app, 0.0, true);
            return kChangedNothing;
        case CommandId::seek_to:
            seek_absolute(app, command.amount, true);
            return kChangedNothing;
        case CommandId::seek_to_keyframe:
            seek_absolute(app, command.amount, false);
            return kChangedNothing;
        case CommandId::frame_step:
            frame_step(app);
            return kChangedNothing;
        case CommandId::frame_back_step:
            frame_back_step(app);
            return kChangedNothing;
        case CommandId::volume_step:
            return set_volume(app, app.playback.current_volume + command.amount, true);
        case CommandId::set_volume:
            return set_volume(app, command.amount, false);
        case CommandId::toggle_mute:
            return toggle_mute(app);
        case CommandId::speed_up:
            return change_speed(app, 1);
        case CommandId::speed_down:
            return change_speed(app, -1);
        case CommandId::speed_reset:
            return change_speed(app, 0);
        case CommandId::next_audio_track:
            return cycle_track(app, TrackKind::audio);
        case CommandId::next_subtitle_track:
            return cycle_track(app, TrackKind::subtitle);
        case CommandId::select_audio_track:
            return select_track(app, TrackKind::audio, static_cast<int64_t>(command.amount));
        case CommandId::select_subtitle_track:
            return select_track(app, TrackKind::subtitle, static_cast<int64_t>(command.amount));
        case CommandId::load_subtitles:
            run_command(app, choose_subtitle_file(app));
            return kChangedNothing;
        case CommandId::load_subtitle_file:
            load_subtitle_file(app, command.path);
            return kChangedNothing;
        case CommandId::audio_menu:
            run_command(app, show_track_menu(app, TrackKind::audio));
            return kChangedNothing;
        case CommandId::subtitle_menu:
            run_command(app, show_track_menu(app, TrackKind::subtitle));
            return kChangedNothing;
        case CommandId::toggle_fullscreen:
            return set_fullscreen(app, !app.mode.fullscreen);
        case CommandId::leave_fullscreen:
            return set_fullscreen(app, false);
        case CommandId::toggle_always_on_top:
            return set_always_on_top(app, !app.settings.always_on_top);
        case CommandId::toggle_multi_instance:
            return flip_switch(app, kMultiInstanceSwitch);
        case CommandId::toggle_wheel_invert:
            return flip_switch(app, kWheelInvertSwitch);
        case CommandId::toggle_hide_about:
            return flip_switch(app, kHideAboutSwitch);
        case CommandId::switch_language:
            return switch_language(app, command.language);
        // The cards hand their own commands back to run_command.
        case CommandId::toggle_help:
            toggle_help(app, run_command);
            return kChangedNothing;
        case CommandId::show_about:
            show_about(app, run_command);
            return kChangedNothing;
        // Posted, so that a menu's modal loop has ended before the window goes.
        case CommandId::quit:
            PostMessageW(app.windows.main_window, WM_CLOSE, 0, 0);
            return kChangedNothing;
    }
    return kChangedNothing;
}

}  // namespace

void run_command(App& app, const Command& command) {
    if (const Changes changes = carry_out(app, command)) state_changed(app, changes);
}
