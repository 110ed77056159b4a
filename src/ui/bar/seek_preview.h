// The seek bar's preview, decided without Windows: the time a click under the pointer would jump to,
// in the bar's own clock format, and where its popup stands: centred on the pointer just above the
// bar, inside the monitor's work area.
#pragma once

#include <cstdint>
#include <string>

#include "base/pixel_rect.h"
#include "player/playback_state.h"

// The time at `fraction` of the seek bar: "1:15", or "0:01:15" once the file lasts an hour; empty
// while no file with a known duration is playing (none loaded, or it has ended): nothing to preview.
std::string seek_preview_time(const PlaybackState& playback, double fraction);

// The popup of `width` x `height` for a pointer at screen x `pointer_x` over a bar whose top edge is
// at screen y `bar_top`: `gap` pixels above the bar, centred on the pointer, and moved inside
// `work_area`.
PixelRect seek_preview_rect(int32_t pointer_x, int32_t bar_top, int32_t width, int32_t height, int32_t gap,
                            const PixelRect& work_area);
