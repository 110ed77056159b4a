// The seek bar's preview, decided without Windows: the time a click under the pointer would jump to,
// in the bar's own clock format, and where its popup stands: centred on the pointer just above the
// bar, inside the monitor's work area.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/pixel_rect.h"
#include "player/playback_state.h"

// The time at `fraction` of the seek bar: "1:15", or "0:01:15" once the file lasts an hour; empty
// while no file with a known duration is playing (none loaded, or it has ended): nothing to preview.
std::string seek_preview_time(const PlaybackState& playback, double fraction);
// The whole second that time names; nothing when there is no time to show.
std::optional<int64_t> seek_preview_second(const PlaybackState& playback, double fraction);

// The picture's size for a video of video_width x video_height: 160 pixels wide at 96 DPI, scaled,
// in whole blocks of 16 (the software renderer's fast rows), and as tall as the video's aspect makes
// it, within a quarter and twice the width. Empty for a video of no size.
struct PictureSize {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PictureSize& other) const { return width == other.width && height == other.height; }
};
PictureSize seek_preview_picture_size(int64_t video_width, int64_t video_height, uint32_t dpi);

// The popup of `width` x `height` for a pointer at screen x `pointer_x` over a bar whose top edge is
// at screen y `bar_top`: `gap` pixels above the bar, centred on the pointer, and moved inside
// `work_area`.
PixelRect seek_preview_rect(int32_t pointer_x, int32_t bar_top, int32_t width, int32_t height, int32_t gap,
                            const PixelRect& work_area);
