// Sizes written in 96-DPI pixels, scaled for the DPI of the moment: the one pixel arithmetic every
// window shares.
#pragma once

#include <cstdint>

// n pixels at 96 DPI for the given DPI: n * (dpi / 96) in single precision, rounded half away from
// zero, saturated to 32 bits.
int32_t scale_px(int32_t n, uint32_t dpi);

// A window size for the given DPI: n * (dpi / 96) in single precision, truncated toward zero.
int32_t scale_truncated(int32_t n, uint32_t dpi);
