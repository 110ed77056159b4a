// The colours of the program's own windows.
#pragma once

#include <cstdint>

// COLORREF values (0x00BBGGRR) of the bar, shared by the Help and About windows.
namespace bar_colour {
constexpr uint32_t background = 0x001E1C1C;
constexpr uint32_t top_line = 0x00333030;
constexpr uint32_t hover = 0x003E3A3A;
constexpr uint32_t normal = 0x00EAEAEA;
constexpr uint32_t accent = 0x00F08E3B;
constexpr uint32_t dimmed = 0x008E8A8A;
constexpr uint32_t track = 0x004E4A4A;
}  // namespace bar_colour
