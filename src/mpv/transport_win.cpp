// Play/pause, seeks and frame steps, as the keyboard, the context menu and the control bar ask.
#include <cmath>

#include "../main/app_state_win.h"
#include "../main/number_format.h"
#include "../main/shell_win.h"
#include "commands.h"
#include "playback_rules.h"
#include "playback_win.h"

void toggle_pause(App& app) {
    if (!app.core || !app.playback.file_loaded) return;
    PlaybackState& state = app.playback;
    if (state.eof_reached) {
        // The core keeps the last frame at the end; play starts the file over. The property
        // changes that follow repaint the bar.
        post_command(*app.core, {"seek", "0", "absolute+exact"});
        post_property_flag(*app.core, "pause", false);
        return;
    }
    const bool pausing = !state.paused;
    // Set at once so the bar's glyph and the cursor auto-hide follow the key without waiting.
    state.paused = pausing;
    post_property_flag(*app.core, "pause", pausing);
    if (pausing) run_command(*app.core, {resume_command(state)});
    invalidate_bar(app);
    shell_follow(app);
}

void seek_relative(App& app, int32_t seconds) {
    if (!app.core || !app.playback.file_loaded) return;
    post_command_line(*app.core, relative_seek_line(seconds));
}

void seek_absolute(App& app, double seconds, bool exact) {
    if (!app.core || !app.playback.file_loaded) return;
    // A target computed from an unknown or endless duration has no place to go.
    if (!std::isfinite(seconds)) return;
    post_command(*app.core, {"seek", format_fixed3(seconds), exact ? "absolute+exact" : "absolute+keyframes"});
}

void frame_step(App& app, uint32_t character) {
    if (!app.core || !is_unicode_scalar(character)) return;
    switch (character) {
        case '+':
            change_speed(app, +1);
            break;
        case '-':
            change_speed(app, -1);
            break;
        case '=':
            change_speed(app, 0);
            break;
        case '.':
            if (app.playback.file_loaded) post_command(*app.core, {"frame-step"});
            break;
        case ',':
            if (app.playback.file_loaded) post_command(*app.core, {"frame-back-step"});
            break;
        default:
            break;
    }
}
