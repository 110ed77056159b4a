// Volume, mute and speed. None needs a loaded file: what is set before the first file carries over.
#include "../main/app_state_win.h"
#include "commands.h"
#include "playback_messages.h"
#include "playback_rules.h"
#include "playback_win.h"
#include "speed_ladder.h"

void set_volume(App& app, double requested, bool show_message) {
    if (!app.core) return;
    PlaybackState& state = app.playback;
    const double volume = clamp_volume(requested);
    state.current_volume = volume;
    post_property_double(*app.core, "volume", volume);
    // Any request above 0 unmutes; lowering to 0 never mutes.
    if (requested > 0 && state.muted) {
        state.muted = false;
        post_property_flag(*app.core, "mute", false);
    }
    if (show_message) show_text(*app.core, volume_message(volume), kVolumeMs);
    invalidate_bar(app);
}

void toggle_mute(App& app) {
    if (!app.core) return;
    const bool muted = !app.playback.muted;
    app.playback.muted = muted;
    post_property_flag(*app.core, "mute", muted);
    show_text(*app.core, mute_message(muted), kMuteMs);
    invalidate_bar(app);
}

void change_speed(App& app, int step) {
    if (!app.core) return;
    const double speed = next_speed(app.playback.speed, step);
    app.playback.speed = speed;
    post_property_double(*app.core, "speed", speed);
    show_text(*app.core, speed_message(speed), kSpeedMs);
    invalidate_bar(app);
}
