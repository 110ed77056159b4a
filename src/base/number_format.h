// Numbers as people and the player core read them.
#pragma once

#include <cstdint>
#include <string>

// Shortest decimal that reads back as the same double, never with an exponent or a trailing ".0":
// 1.0 -> "1", 1.25 -> "1.25", 55.0 -> "55".
std::string format_shortest(double value);

// Fixed point with exactly three decimals, the form seeks are sent in: 83.5 -> "83.500".
std::string format_fixed3(double value);

// Whole seconds of a position: negatives and NaN are 0, the rest truncated and saturated.
uint64_t whole_seconds(double seconds);

// "M:SS" (minutes not padded) and "H:MM:SS" (hours not padded).
std::string format_clock_short(uint64_t seconds);
std::string format_clock_long(uint64_t seconds);

// The long form from one hour on, the short form below: 3723 -> "1:02:03", 125 -> "2:05".
std::string format_clock(double seconds);

// Halves away from zero: 62.5 -> 63, -2.5 -> -3.
double round_half_away(double value);

// Saturating conversions; NaN gives 0.
int32_t saturate_to_i32(double value);
int64_t saturate_to_i64(double value);
