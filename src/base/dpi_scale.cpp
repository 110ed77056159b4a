#include "base/dpi_scale.h"

#include <cmath>

#include "base/number_format.h"

int32_t scale_px(int32_t n, uint32_t dpi) {
    const float scaled = static_cast<float>(n) * (static_cast<float>(dpi) / 96.0f);
    return saturate_to_i32(std::round(static_cast<double>(scaled)));
}

int32_t scale_truncated(int32_t n, uint32_t dpi) {
    const float scaled = static_cast<float>(n) * (static_cast<float>(dpi) / 96.0f);
    return saturate_to_i32(std::trunc(static_cast<double>(scaled)));
}
