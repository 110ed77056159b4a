// The settings the kill test's writer saves, one record per step, each a file of a different length
// so that a torn write cannot pass for another step.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings/settings.h"

inline Settings settings_step(uint64_t step) {
    Settings s;
    s.volume = static_cast<double>(step % 101);
    s.mute = step % 2 == 1;
    s.compress = "step=" + std::to_string(step);
    s.mpv_options = std::string(step % 400, 'x');
    s.window_valid = true;
    s.window_rect = {static_cast<int32_t>(step % 1000), 0, static_cast<int32_t>(step % 1000) + 640, 480};
    return s;
}
