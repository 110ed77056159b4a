// Folding one event of the player core into the playback state. What the user is told about it and
// the window work (focus, repaint) are the caller's.
#pragma once

#include <cstdint>
#include <optional>

#include "player/core.h"
#include "player/observed_properties.h"
#include "player/playback_state.h"

// Where the bar shows a position: its whole second and the pixel the seek bar's fill ends at, for a
// seek bar `seek_bar_width` pixels wide.
struct PositionMarks {
    int64_t second = 0;
    int32_t bar_pos = 0;
};

PositionMarks position_marks(double position, double duration, int32_t seek_bar_width);

struct EventOutcome {
    bool stop = false;                 // the queue is empty or the core is shutting down
    bool file_loaded = false;          // a file has just loaded: the main window may take the focus
    bool repaint = false;              // the control bar shows something that changed
    bool load_failed = false;          // the current file ended with an error
    std::optional<double> resumed_at;  // the loaded file started at a saved position past its first second
};

// Shows nothing and asks the core nothing: a loaded file's start position is its first "time-pos"
// report, since a read while the core is still opening the file waits until it is done.
EventOutcome fold_event(PlaybackState& state, const mpv_event& event);
