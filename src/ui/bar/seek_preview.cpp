#include "ui/bar/seek_preview.h"

#include <cmath>

#include "base/number_format.h"

std::string seek_preview_time(const PlaybackState& playback, double fraction) {
    // An endless stream has no time to point at.
    if (!playback.file_loaded || playback.eof_reached || !(playback.duration > 0) || std::isinf(playback.duration))
        return {};
    const double clamped = fraction > 0 ? (fraction < 1 ? fraction : 1) : 0;
    const uint64_t seconds = whole_seconds(clamped * playback.duration);
    return playback.duration >= 3600 ? format_clock_long(seconds) : format_clock_short(seconds);
}

namespace {

// `start` moved so that [start, start + size) lies inside [low, high), or at `low` when it cannot.
int32_t inside(int64_t start, int32_t size, int32_t low, int32_t high) {
    if (start + size > high) start = static_cast<int64_t>(high) - size;
    if (start < low) start = low;
    return static_cast<int32_t>(start);
}

}  // namespace

PixelRect seek_preview_rect(int32_t pointer_x, int32_t bar_top, int32_t width, int32_t height, int32_t gap,
                            const PixelRect& work_area) {
    const int32_t left = inside(static_cast<int64_t>(pointer_x) - width / 2, width, work_area.left, work_area.right);
    const int32_t top = inside(static_cast<int64_t>(bar_top) - gap - height, height, work_area.top, work_area.bottom);
    return {left, top, left + width, top + height};
}
