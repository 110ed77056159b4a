// Keys, characters and the wheel of the main window. The tables themselves are in input.cpp; this
// side reads the modifier state and runs the actions of the other modules.
#include "ui/input_win.h"

#include "app/app_state_win.h"
#include "app/settings/language.h"
#include "app/playback_win.h"
#include "app/settings/settings_win.h"
#include "app/tracks_win.h"
#include "base/utf.h"
#include "ui/card_window_win.h"
#include "player/commands.h"
#include "ui/context_menu_win.h"
#include "ui/help_window_win.h"
#include "ui/open_dialog_win.h"
#include "ui/window_modes.h"
#include "ui/window_modes_win.h"

namespace {

constexpr Text kMultiInstanceOn{"Multi-instance on: each video opens in a new window",
                                "Multi-instance activé : chaque vidéo s'ouvre dans une nouvelle fenêtre"};
constexpr Text kMultiInstanceOff{"Multi-instance off: videos open in this window",
                                 "Multi-instance désactivé : les vidéos s'ouvrent dans cette "
                                 "fenêtre"};
constexpr uint32_t kMultiInstanceMessageMs = 2500;

bool held(int virtual_key) { return GetKeyState(virtual_key) < 0; }

void run_key_binding(App& app, const KeyBinding& binding) {
    switch (binding.command) {
        case KeyCommand::unbound:
            break;
        case KeyCommand::toggle_fullscreen:
            set_fullscreen(app, !app.mode.fullscreen);
            break;
        case KeyCommand::leave_fullscreen:
            set_fullscreen(app, false);
            break;
        case KeyCommand::toggle_pause:
            toggle_pause(app);
            break;
        case KeyCommand::seek_to_start:
            if (app.core && app.playback.file_loaded) seek_absolute(app, 0.0, true);
            break;
        case KeyCommand::seek:
            seek_relative(app, binding.amount);
            break;
        case KeyCommand::volume_step:
            set_volume(app, app.playback.current_volume + binding.amount, true);
            break;
        case KeyCommand::toggle_mute:
            toggle_mute(app);
            break;
        case KeyCommand::next_audio_track:
            cycle_track(app, TrackKind::audio);
            break;
        case KeyCommand::next_subtitle_track:
            cycle_track(app, TrackKind::subtitle);
            break;
        case KeyCommand::toggle_multi_instance:
            toggle_multi_instance(app);
            break;
        case KeyCommand::toggle_always_on_top:
            set_always_on_top(app, !app.settings.always_on_top);
            break;
        case KeyCommand::open_file_dialog:
            open_video_with_dialog(app);
            break;
        case KeyCommand::toggle_help:
            toggle_help(app);
            break;
    }
}

}  // namespace

KeyBinding current_key_binding(WPARAM key) {
    // Virtual keys are bytes; anything wider is not a key of ours (and must not alias one).
    if (key > 0xFF) return {};
    return key_binding(static_cast<uint32_t>(key), held(VK_CONTROL), held(VK_SHIFT));
}

// Auto-repeat is honoured: every key-down runs its action, so holding an arrow keeps seeking.
bool on_key_down(App& app, WPARAM key) {
    const KeyBinding binding = current_key_binding(key);
    if (binding.command == KeyCommand::unbound) return false;
    run_key_binding(app, binding);
    return true;
}

void on_char(App& app, WPARAM character) {
    if (!app.core || !is_unicode_scalar(character)) return;
    switch (char_binding(character)) {
        case CharCommand::unbound:
            break;
        case CharCommand::speed_up:
            change_speed(app, 1);
            break;
        case CharCommand::speed_down:
            change_speed(app, -1);
            break;
        case CharCommand::speed_reset:
            change_speed(app, 0);
            break;
        case CharCommand::frame_step:
        case CharCommand::frame_back_step:
            if (app.playback.file_loaded) frame_step(app, static_cast<uint32_t>(character));
            break;
    }
}

// A high-resolution wheel sends several small deltas per notch; each message is still one step, the
// way the player has always behaved.
void on_mouse_wheel(App& app, WPARAM wparam) {
    auto_hide_wake_up(app);
    const auto delta = static_cast<int16_t>(HIWORD(wparam));
    const int32_t step = wheel_volume_step(delta, app.settings.wheel_invert);
    set_volume(app, app.playback.current_volume + step, true);
}

void toggle_multi_instance(App& app) {
    app.settings.multi_instance = !app.settings.multi_instance;
    save_changed_settings(app.settings, app.settings_synced);
    if (app.core)
        show_text(*app.core, pick(app.settings.multi_instance ? kMultiInstanceOn : kMultiInstanceOff),
                  kMultiInstanceMessageMs);
    // The Help window shows the switch's state.
    invalidate_cards(app);
}

void save_resume_point(App& app) { save_resume_position(app); }
