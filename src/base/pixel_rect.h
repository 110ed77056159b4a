// A rectangle in a window's client pixels, for the portable layouts and the trees screen readers
// read, which cannot use the Windows RECT.
#pragma once

#include <cstdint>

struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    // Half-open: left <= x < right, top <= y < bottom.
    bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};
