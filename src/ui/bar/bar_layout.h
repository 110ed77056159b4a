// The control bar's geometry, computed in one place and shared by painting, hit testing, the
// tooltip rectangles and the track menus.
#pragma once

#include <array>
#include <cstdint>

#include "base/pixel_rect.h"
#include "ui/bar/bar_buttons.h"

using BarRect = PixelRect;  // in the bar's client pixels

struct BarButton {
    uint8_t id = 0;
    BarRect rect;
};

struct BarLayout {
    // In the order compute_bar_layout places them: the left group left to right, the right group from
    // the bar's right edge inwards, then the volume group from the slider leftwards. A point over two
    // buttons of a bar too narrow for them all is the first one's.
    std::array<BarButton, kBarButtonCount> buttons;
    BarRect time_rect;
    BarRect seek_rect;
    BarRect volume_rect;

    const BarButton& button(uint8_t id) const;
};

// For a bar client area `width` x `height` at `dpi`.
BarLayout compute_bar_layout(uint32_t dpi, int32_t width, int32_t height);
