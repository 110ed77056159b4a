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

// The actions of the ui layer (window modes, the language) tell the windows themselves, since they
// also run for reasons other than a command; the value returned is what the others changed.
uint32_t carry_out(App& app, const Command& command) {
    switch (command.id) {
        case CommandId::none:
            return 0;
        case CommandId::open_video:
            return open_video_with_dialog(app) ? kChangedPlayback : 0;
        case CommandId::toggle_pause:
            return toggle_pause(app) ? kChangedPlayback : 0;
        case CommandId::play:
            return !playing(app.playback) && toggle_pause(app) ? kChangedPlayback : 0;
        case CommandId::pause:
            return playing(app.playback) && toggle_pause(app) ? kChangedPlayback : 0;
        case CommandId::seek_relative:
            seek_relative(app, static_cast<int32_t>(command.amount));
            return 0;
        case CommandId::seek_to_start:
            seek_absolute(app, 0.0, true);
            return 0;
        case CommandId::seek_to:
            seek_absolute(app, command.amount, true);
            return 0;
        case CommandId::frame_step:
            if (app.playback.file_loaded) frame_step(app, '.');
            return 0;
        case CommandId::frame_back_step:
            if (app.playback.file_loaded) frame_step(app, ',');
            return 0;
        case CommandId::volume_step:
            return set_volume(app, app.playback.current_volume + command.amount, true) ? kChangedBar : 0;
        case CommandId::set_volume:
            return set_volume(app, command.amount, false) ? kChangedBar : 0;
        case CommandId::toggle_mute:
            return toggle_mute(app) ? kChangedBar : 0;
        case CommandId::speed_up:
            return change_speed(app, 1) ? kChangedBar : 0;
        case CommandId::speed_down:
            return change_speed(app, -1) ? kChangedBar : 0;
        case CommandId::speed_reset:
            return change_speed(app, 0) ? kChangedBar : 0;
        case CommandId::next_audio_track:
            return cycle_track(app, TrackKind::audio) ? kChangedBar : 0;
        case CommandId::next_subtitle_track:
            return cycle_track(app, TrackKind::subtitle) ? kChangedBar : 0;
        case CommandId::select_audio_track:
            return select_track(app, TrackKind::audio, static_cast<int64_t>(command.amount)) ? kChangedBar : 0;
        case CommandId::select_subtitle_track:
            return select_track(app, TrackKind::subtitle, static_cast<int64_t>(command.amount)) ? kChangedBar : 0;
        case CommandId::load_subtitles:
            load_subtitles_with_dialog(app);
            return 0;
        // The menu's choice is a command of its own, run once the menu has gone.
        case CommandId::audio_menu:
            run_command(app, show_track_menu(app, TrackKind::audio));
            return 0;
        case CommandId::subtitle_menu:
            run_command(app, show_track_menu(app, TrackKind::subtitle));
            return 0;
        case CommandId::toggle_fullscreen:
            set_fullscreen(app, !app.mode.fullscreen);
            return 0;
        case CommandId::leave_fullscreen:
            set_fullscreen(app, false);
            return 0;
        case CommandId::toggle_always_on_top:
            set_always_on_top(app, !app.settings.always_on_top);
            return 0;
        case CommandId::toggle_multi_instance:
            toggle_multi_instance(app);
            return kChangedHelp;  // the Help window shows the switch's state
        case CommandId::toggle_wheel_invert:
            toggle_wheel_invert(app);
            return 0;
        case CommandId::switch_language:
            switch_language(app, command.language);
            return 0;
        case CommandId::toggle_help:
            toggle_help(app);
            return 0;
        case CommandId::show_about:
            show_about(app);
            return 0;
        // Posted, so that a menu's modal loop has ended before the window goes.
        case CommandId::quit:
            PostMessageW(app.windows.main_window, WM_CLOSE, 0, 0);
            return 0;
    }
    return 0;
}

}  // namespace

void run_command(App& app, const Command& command) {
    if (const uint32_t changes = carry_out(app, command)) state_changed(app, changes);
}
