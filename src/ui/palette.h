// The colours of the program's own windows.
#pragma once

#include <cstdint>

#include "app/colour_scheme.h"

// COLORREF values (0x00BBGGRR) of the bar in the dark look, shared by the Help and About windows.
namespace bar_colour {
constexpr uint32_t background = kDarkPalette.background;
constexpr uint32_t top_line = kDarkPalette.top_line;
constexpr uint32_t hover = kDarkPalette.hover;
constexpr uint32_t normal = kDarkPalette.normal;
constexpr uint32_t accent = kDarkPalette.accent;
constexpr uint32_t dimmed = kDarkPalette.dimmed;
constexpr uint32_t track = kDarkPalette.track;
}  // namespace bar_colour
