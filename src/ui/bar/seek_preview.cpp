#include "ui/bar/seek_preview.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"

std::optional<int64_t> seek_preview_second(const PlaybackState& playback, double fraction) {
    // An endless stream has no time to point at. A file that played to its end keeps its last frame,
    // and a press on the seek bar still jumps back into it.
    if (!playback.file_loaded || !(playback.duration > 0) || std::isinf(playback.duration)) return std::nullopt;
    const double clamped = fraction > 0 ? (fraction < 1 ? fraction : 1) : 0;
    return static_cast<int64_t>(whole_seconds(clamped * playback.duration));
}

std::string seek_preview_time(const PlaybackState& playback, double fraction) {
    const std::optional<int64_t> second = seek_preview_second(playback, fraction);
    if (!second) return {};
    const auto seconds = static_cast<uint64_t>(*second);
    return playback.duration >= 3600 ? format_clock_long(seconds) : format_clock_short(seconds);
}

PictureSize seek_preview_picture_size(int64_t video_width, int64_t video_height, uint32_t dpi) {
    if (video_width <= 0 || video_height <= 0) return {};
    const int64_t width = std::max<int64_t>(16, (160 * static_cast<int64_t>(dpi) / 96 + 8) / 16 * 16);
    const double height =
        std::round(static_cast<double>(width) * static_cast<double>(video_height) / static_cast<double>(video_width));
    const double kept = std::min(std::max(height, static_cast<double>(width) / 4), static_cast<double>(width) * 2);
    return {static_cast<int32_t>(width), static_cast<int32_t>(kept)};
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
