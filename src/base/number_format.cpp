#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>

std::string format_shortest(double value) {
    // Without a precision, the fixed format is still the shortest round-trip form (C++17 to_chars).
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string format_fixed3(double value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

uint64_t whole_seconds(double seconds) {
    if (!(seconds > 0)) return 0;  // also NaN
    if (seconds >= 18446744073709551616.0) return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(seconds);
}

namespace {
std::string two_digits(uint64_t n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}
}  // namespace

std::string format_clock_short(uint64_t seconds) {
    return std::to_string(seconds / 60) + ":" + two_digits(seconds % 60);
}

std::string format_clock_long(uint64_t seconds) {
    return std::to_string(seconds / 3600) + ":" + two_digits(seconds / 60 % 60) + ":" + two_digits(seconds % 60);
}

std::string format_clock(double seconds) {
    const uint64_t s = whole_seconds(seconds);
    return s >= 3600 ? format_clock_long(s) : format_clock_short(s);
}

double round_half_away(double value) { return std::round(value); }

int32_t saturate_to_i32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int64_t saturate_to_i64(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9223372036854775808.0) return std::numeric_limits<int64_t>::max();
    if (value <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}
