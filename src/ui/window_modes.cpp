#include "ui/window_modes.h"

#include <algorithm>

#include "base/dpi_scale.h"
#include "base/number_format.h"

int32_t bar_height_for(uint32_t dpi) { return scale_px(44, dpi); }

ChildLayout compute_child_layout(uint32_t dpi, int32_t height, bool fullscreen, bool bar_shown) {
    ChildLayout layout;
    layout.bar_height = bar_height_for(dpi);
    // 64-bit so that a saturated bar height cannot overflow the subtraction.
    const int64_t top = static_cast<int64_t>(height) - layout.bar_height;
    layout.bar_top = static_cast<int32_t>(std::max<int64_t>(top, INT32_MIN));
    layout.video_height = fullscreen ? height : static_cast<int32_t>(std::max<int64_t>(top, 0));
    layout.bar_visible = !fullscreen || bar_shown;
    return layout;
}

bool in_bar_strip(uint32_t dpi, int32_t width, int32_t height, int32_t x, int32_t y) {
    const int64_t top = static_cast<int64_t>(height) - bar_height_for(dpi);
    return x >= 0 && x < width && y >= top && y < height;
}

MinTrackSize min_track_size(uint32_t dpi) { return {scale_px(580, dpi), scale_px(300, dpi)}; }

bool auto_hide_keeps_bar(const AutoHideInputs& inputs) {
    if (inputs.bar_shown && inputs.cursor_in_bar_strip && inputs.over_bar_target) return true;
    return inputs.dragging || inputs.help_open || inputs.menu_open;
}
