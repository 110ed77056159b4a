// The control bar's geometry, computed in one place and shared by painting, hit testing, the
// tooltip rectangles and the track menus.
#pragma once

#include <array>
#include <cstdint>

#include "base/pixel_rect.h"

using BarRect = PixelRect;  // in the bar's client pixels

struct BarButton {
    uint8_t id = 0;
    BarRect rect;
};

// Button ids.
enum BarButtonId : uint8_t {
    kButtonOpen = 0,
    kButtonPlayPause = 1,
    kButtonBack = 2,
    kButtonForward = 3,
    kButtonVolume = 4,
    kButtonAudio = 5,
    kButtonSubtitles = 6,
    kButtonOnTop = 7,
    kButtonFullscreen = 8,
    kButtonHelp = 9,
};

struct BarLayout {
    std::array<BarButton, 10> buttons;  // ids in the order 0, 1, 2, 3, 9, 8, 7, 6, 5, 4
    BarRect time_rect;
    BarRect seek_rect;
    BarRect volume_rect;

    const BarButton& button(uint8_t id) const;
};

// For a bar client area `width` x `height` at `dpi`.
BarLayout compute_bar_layout(uint32_t dpi, int32_t width, int32_t height);
