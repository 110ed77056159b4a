#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/dpi_scale.h"

namespace {

TEST(NumberFormat, ShortestHasNoExponentAndNoTrailingZero) {
    EXPECT_EQ(format_shortest(1.0), "1");
    EXPECT_EQ(format_shortest(1.25), "1.25");
    EXPECT_EQ(format_shortest(55.0), "55");
    EXPECT_EQ(format_shortest(0.1), "0.1");
    EXPECT_EQ(format_shortest(1e20), "100000000000000000000");
    EXPECT_EQ(format_shortest(-0.5), "-0.5");
    EXPECT_EQ(format_shortest(1.0000000000000002), "1.0000000000000002");
}

TEST(NumberFormat, FixedThreeDecimals) {
    EXPECT_EQ(format_fixed3(0), "0.000");
    EXPECT_EQ(format_fixed3(83.5), "83.500");
    EXPECT_EQ(format_fixed3(7322.1234), "7322.123");
    EXPECT_EQ(format_fixed3(1e300).size(), 301u + 4u);  // never truncated
}

TEST(NumberFormat, Clocks) {
    EXPECT_EQ(format_clock(3723), "1:02:03");
    EXPECT_EQ(format_clock(125), "2:05");
    EXPECT_EQ(format_clock(9.9), "0:09");
    EXPECT_EQ(format_clock(3725.4), "1:02:05");
    EXPECT_EQ(format_clock(-4), "0:00");
    EXPECT_EQ(format_clock(std::nan("")), "0:00");
    EXPECT_EQ(format_clock(3599.99), "59:59");
    EXPECT_EQ(format_clock_long(30), "0:00:30");
    EXPECT_EQ(format_clock_short(3725), "62:05");
    EXPECT_EQ(whole_seconds(1e30), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(format_clock(1e30), "5124095576030431:00:15");
}

TEST(NumberFormat, SaturationAndRounding) {
    EXPECT_EQ(round_half_away(62.5), 63);
    EXPECT_EQ(round_half_away(-2.5), -3);
    EXPECT_EQ(saturate_to_i32(std::nan("")), 0);
    EXPECT_EQ(saturate_to_i32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(saturate_to_i32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(saturate_to_i64(HUGE_VAL), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(saturate_to_i64(-7.9), -7);
}

struct ScaleCase {
    int32_t n;
    uint32_t dpi;
    int32_t rounded;
    int32_t truncated;
};

TEST(NumberFormat, ScalingForDpi) {
    const ScaleCase cases[] = {
        {44, 96, 44, 44},     {44, 120, 55, 55}, {44, 144, 66, 66},      {44, 192, 88, 88},
        {6, 120, 8, 7},       {40, 120, 50, 50}, {960, 120, 1200, 1200}, {590, 120, 738, 737},
        {590, 144, 885, 885}, {7, 108, 8, 7},    {1, 0, 0, 0},           {2147483647, 192, 2147483647, 2147483647},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scale_px(c.n, c.dpi), c.rounded) << c.n << " at " << c.dpi;
        EXPECT_EQ(scale_truncated(c.n, c.dpi), c.truncated) << c.n << " at " << c.dpi;
    }
}

}  // namespace
