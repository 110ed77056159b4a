#include "app/playback_rules.h"

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

bool is_unicode_scalar(uint32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

double clamp_volume(double requested) {
    // A volume that became NaN (from the core or a caller) would otherwise stick: every later
    // step from it is NaN again. Taking it as 0 lets the next key press recover.
    if (std::isnan(requested)) return 0;
    const double clamped = requested < 0 ? 0 : requested > 100 ? 100 : requested;
    // + 0.0 turns a negative zero into zero.
    return round_half_away(clamped) + 0.0;
}
