#include "playback_win.h"

#include "../main/app_state_win.h"
#include "commands.h"

// The playback actions arrive with the playback work. Opening a file already reaches the core so
// that a file named on the command line plays.
void open_file(App& app, const std::string& path_or_url) {
    if (!app.core) return;
    show_text(*app.core, "", 1);
    run_command(*app.core, {"loadfile", path_or_url});
    app.playback.current_file = path_or_url;
}

void load_subtitle_file(App&, const std::string&) {}
void save_resume_position(App&) {}
void toggle_pause(App&) {}
void seek_relative(App&, int32_t) {}
void seek_absolute(App&, double, bool) {}
void frame_step(App&, uint32_t) {}
void set_volume(App&, double, bool) {}
void toggle_mute(App&) {}
void change_speed(App&, int) {}
