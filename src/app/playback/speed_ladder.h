// The playback speeds "+" and "-" step through.
#pragma once

#include <array>

inline constexpr std::array<double, 10> kSpeedLadder{0.25, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 3, 4};
inline constexpr int kNormalSpeedIndex = 3;

// The first rung within 0.01 of speed; a speed off the ladder counts as normal speed.
int speed_index(double speed);

// step +1 or -1 moves one rung (stopping at the ends), 0 goes back to normal speed.
double next_speed(double speed, int step);
