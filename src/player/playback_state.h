// The program's picture of playback: written by the event pump and by the actions that change it at
// once, read by the control bar and by every action that decides from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct PlaybackState {
    std::optional<std::string> current_file;
    bool file_loaded = false;
    double position = 0;
    double duration = 0;
    bool paused = false;
    double current_volume = 80;
    bool muted = false;
    bool eof_reached = false;
    double speed = 1.0;
    bool subtitles_on = false;
    int64_t shown_second = -1;
    int32_t shown_bar_pos = -1;  // the pixel the seek bar's fill ends at, for seek_bar_width
    int32_t seek_bar_width = 0;  // pixels of the laid-out seek bar; 0 while no bar is shown
    // A file has loaded and its first "time-pos" report, where it starts, has not come yet.
    bool start_position_pending = false;
};
