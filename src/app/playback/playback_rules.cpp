#include "app/playback/playback_rules.h"

#include <cmath>

#include "base/number_format.h"
#include "player/playback_state.h"

const char* resume_command(const PlaybackState& state) {
    const bool near_end = state.duration > 0 && state.position > state.duration - 5;
    return state.eof_reached || near_end ? "delete-watch-later-config" : "write-watch-later-config";
}

std::string relative_seek_line(int32_t seconds) {
    return "osd-msg-bar seek " + std::to_string(seconds) + " relative+exact";
}

double clamp_volume(double volume) {
    // A volume that became NaN (from the core or a caller) would otherwise stick: every later
    // step from it is NaN again. Taking it as 0 lets the next key press recover.
    if (std::isnan(volume)) return 0;
    return volume < 0 ? 0 : volume > 100 ? 100 : volume;
}

// + 0.0 turns a negative zero into zero.
double whole_volume(double requested) { return round_half_away(clamp_volume(requested)) + 0.0; }
