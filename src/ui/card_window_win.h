// Placement shared by the Help and About windows, the borderless cards shown over the main window.
#pragma once

#include <cstdint>

#include "app/app_state_win.h"
#include "base/win32_win.h"

// A window of `size` centred over `owner`, moved as little as needed to stay in the work area of the
// owner's monitor.
RECT centred_over(HWND owner, SIZE size);

// What a card draws with at its own DPI: it can sit on another monitor than the main window.
struct CardStyle {
    uint32_t dpi = 0;
    Fonts fonts;
    CardStyle() = default;
    CardStyle(const CardStyle&) = delete;
    CardStyle& operator=(const CardStyle&) = delete;
    // Recreates the fonts for another DPI; true when it changed.
    bool set_dpi(uint32_t new_dpi);
};
