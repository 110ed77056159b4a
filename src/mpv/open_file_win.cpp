// Opening a video or URL, adding a subtitle file, and telling the core when to keep or forget a
// video's resume position.
#include "../main/app_state_win.h"
#include "../main/shell_win.h"
#include "../main/wide_win.h"
#include "commands.h"
#include "playback_messages.h"
#include "playback_rules.h"
#include "playback_win.h"

void save_resume_position(App& app) {
    if (!app.core || !app.playback.file_loaded) return;
    run_command(*app.core, {resume_command(app.playback)});
}

void open_file(App& app, const std::string& path_or_url) {
    if (!app.core) return;
    PlaybackState& state = app.playback;
    save_resume_position(app);  // for the file being replaced, when there is one
    // Also takes away the "Drop a video here" message of start-up.
    show_text(*app.core, "", kClearMs);
    post_property_flag(*app.core, "pause", false);
    // Failures come back later as an end-of-file event with an error reason.
    run_command(*app.core, {"loadfile", path_or_url});

    state.current_file = path_or_url;
    state.file_loaded = false;
    state.eof_reached = false;
    state.position = 0;
    state.duration = 0;

    if (app.main_window) SetWindowTextW(app.main_window, wide(path_or_url + " \xE2\x80\x94 Tarnwick Light").c_str());
    invalidate_bar(app);
    shell_follow(app);
}

void load_subtitle_file(App& app, const std::string& path) {
    if (!app.core || !app.playback.file_loaded) return;
    // "select" makes the new file the subtitle track at once; the bar learns it from "sid".
    if (run_command(*app.core, {"sub-add", path, "select"}) < 0) {
        show_text(*app.core, subtitle_refused_message(), kSubtitleRefusedMs);
        return;
    }
    show_text(*app.core, subtitle_added_message(path), kSubtitleAddedMs);
}
