// The playback actions on the App: opening a video or URL and adding a subtitle file, play/pause,
// seeks and frame steps, volume, mute and speed.
#include "app/playback/playback_win.h"

#include <cmath>

#include "app/app_state_win.h"
#include "app/playback/playback_messages.h"
#include "app/playback/playback_rules.h"
#include "app/playback/speed_ladder.h"
#include "app/version.h"
#include "base/long_path.h"
#include "base/number_format.h"
#include "base/wide_win.h"
#include "player/commands.h"

// Opening, and telling the core when to keep or forget a video's resume position.

void save_resume_position(App& app) {
    if (!app.core || !app.playback.file_loaded) return;
    core_command(*app.core, {resume_command(app.playback)});
}

Changes open_file(App& app, const std::string& path_or_url) {
    if (!app.core) return kChangedNothing;
    PlaybackState& state = app.playback;
    save_resume_position(app);  // for the file being replaced, when there is one
    // Also takes away the "Drop a video here" message of start-up.
    show_text(*app.core, "", kClearMs);
    post_property_flag(*app.core, "pause", false);
    // Failures come back later as an end-of-file event with an error reason. The core opens files
    // with CreateFileW, which refuses a long path unless it is in the verbatim form.
    core_command(*app.core, {"loadfile", path_for_core(path_or_url)});

    state.current_file = path_or_url;
    state.file_loaded = false;
    state.eof_reached = false;
    state.position = 0;
    state.duration = 0;

    if (app.windows.main_window)
        SetWindowTextW(app.windows.main_window, wide(path_or_url + " — " TARNWICK_PRODUCT_NAME).c_str());
    return kChangedPlayback;
}

void load_subtitle_file(App& app, const std::string& path) {
    if (!app.core || !app.playback.file_loaded) return;
    // "select" makes the new file the subtitle track at once; the bar learns it from "sid".
    if (core_command(*app.core, {"sub-add", path_for_core(path), "select"}) < 0) {
        show_text(*app.core, subtitle_refused_message(), kSubtitleRefusedMs);
        return;
    }
    show_text(*app.core, subtitle_added_message(path), kSubtitleAddedMs);
}

// Transport, as the keyboard, the context menu and the control bar ask.

Changes toggle_pause(App& app) {
    if (!app.core || !app.playback.file_loaded) return kChangedNothing;
    PlaybackState& state = app.playback;
    if (state.eof_reached) {
        // The core keeps the last frame at the end; play starts the file over. The property
        // changes that follow repaint the bar.
        post_command(*app.core, {"seek", "0", "absolute+exact"});
        post_property_flag(*app.core, "pause", false);
        return kChangedNothing;
    }
    const bool pausing = !state.paused;
    // Set at once so the bar's glyph, the taskbar and the cursor auto-hide follow the key without
    // waiting.
    state.paused = pausing;
    post_property_flag(*app.core, "pause", pausing);
    if (pausing) core_command(*app.core, {resume_command(state)});
    return kChangedPlayback;
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

void frame_step(App& app) {
    if (app.core && app.playback.file_loaded) post_command(*app.core, {"frame-step"});
}

void frame_back_step(App& app) {
    if (app.core && app.playback.file_loaded) post_command(*app.core, {"frame-back-step"});
}

// Volume, mute and speed. None needs a loaded file: what is set before the first file carries over.

Changes set_volume(App& app, double requested, bool show_message) {
    if (!app.core) return kChangedNothing;
    PlaybackState& state = app.playback;
    const double volume = whole_volume(requested);
    state.current_volume = volume;
    post_property_double(*app.core, "volume", volume);
    // Any request above 0 unmutes; lowering to 0 never mutes.
    if (requested > 0 && state.muted) {
        state.muted = false;
        post_property_flag(*app.core, "mute", false);
    }
    if (show_message) show_text(*app.core, volume_message(volume), kVolumeMs);
    return kChangedBar;
}

Changes toggle_mute(App& app) {
    if (!app.core) return kChangedNothing;
    const bool muted = !app.playback.muted;
    app.playback.muted = muted;
    post_property_flag(*app.core, "mute", muted);
    show_text(*app.core, mute_message(muted), kMuteMs);
    return kChangedBar;
}

Changes change_speed(App& app, int step) {
    if (!app.core) return kChangedNothing;
    const double speed = next_speed(app.playback.speed, step);
    app.playback.speed = speed;
    post_property_double(*app.core, "speed", speed);
    show_text(*app.core, speed_message(speed), kSpeedMs);
    return kChangedBar;
}
