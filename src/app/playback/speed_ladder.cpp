#include "app/playback/speed_ladder.h"

#include <cmath>
#include <cstdint>

int speed_index(double speed) {
    // NaN differs from every rung by NaN, which is never below the tolerance.
    for (int i = 0; i < static_cast<int>(kSpeedLadder.size()); ++i)
        if (std::fabs(kSpeedLadder[static_cast<size_t>(i)] - speed) < 0.01) return i;
    return kNormalSpeedIndex;
}

double next_speed(double speed, int step) {
    if (step == 0) return 1.0;
    // In 64 bits so that no step, however large, overflows before the clamp.
    const int64_t last = static_cast<int64_t>(kSpeedLadder.size()) - 1;
    int64_t index = static_cast<int64_t>(speed_index(speed)) + step;
    if (index < 0) index = 0;
    if (index > last) index = last;
    return kSpeedLadder[static_cast<size_t>(index)];
}
