#include "ui/window_modes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(WindowLayout, BarHeightScalesWithDpi) {
    const std::pair<uint32_t, int32_t> cases[] = {{96, 44}, {120, 55}, {144, 66}, {192, 88}, {0, 0}, {72, 33}};
    for (const auto& [dpi, height] : cases) EXPECT_EQ(bar_height_for(dpi), height) << dpi;
}

TEST(WindowLayout, ChildrenInEachMode) {
    struct Case {
        uint32_t dpi;
        int32_t height;
        bool fullscreen;
        bool bar_shown;
        ChildLayout expected;
    };
    const Case cases[] = {
        {96, 551, false, false, {507, true, 507, 44}},  // windowed: the bar stays whatever bar_shown says
        {96, 551, false, true, {507, true, 507, 44}},
        {144, 800, false, true, {734, true, 734, 66}},  // client height minus 66
        {96, 800, true, false, {800, false, 756, 44}},  // fullscreen: the video takes the whole height
        {96, 800, true, true, {800, true, 756, 44}},    // and the bar lies over its bottom
        {96, 30, false, true, {0, true, -14, 44}},      // client lower than the bar
        {96, 0, false, true, {0, true, -44, 44}},
        {96, 44, false, true, {0, true, 0, 44}},
        {96, 45, false, true, {1, true, 1, 44}},
        {192, 30, true, true, {30, true, -58, 88}},
    };
    for (const Case& c : cases) {
        const ChildLayout got = compute_child_layout(c.dpi, c.height, c.fullscreen, c.bar_shown);
        EXPECT_EQ(got.video_height, c.expected.video_height) << c.dpi << " " << c.height << " " << c.fullscreen;
        EXPECT_EQ(got.bar_visible, c.expected.bar_visible) << c.dpi << " " << c.height << " " << c.fullscreen;
        EXPECT_EQ(got.bar_top, c.expected.bar_top) << c.dpi << " " << c.height << " " << c.fullscreen;
        EXPECT_EQ(got.bar_height, c.expected.bar_height) << c.dpi << " " << c.height << " " << c.fullscreen;
    }
}

TEST(WindowLayout, HugeDpiSaturatesWithoutOverflow) {
    const uint32_t dpi = std::numeric_limits<uint32_t>::max();
    const ChildLayout got = compute_child_layout(dpi, std::numeric_limits<int32_t>::min() + 5, false, true);
    EXPECT_GT(got.bar_height, 1900000000);  // 44 x 44739242.7
    EXPECT_EQ(got.bar_top, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(got.video_height, 0);
}

TEST(WindowLayout, BarStripIsHalfOpen) {
    struct Case {
        int32_t x, y;
        bool inside;
    };
    // A 944 x 600 client at 96 DPI: the strip is 556 <= y < 600, 0 <= x < 944.
    const Case cases[] = {{0, 556, true},    {943, 599, true},  {944, 580, false}, {-1, 580, false},
                          {500, 555, false}, {500, 600, false}, {500, 556, true}};
    for (const Case& c : cases) EXPECT_EQ(in_bar_strip(96, 944, 600, c.x, c.y), c.inside) << c.x << "," << c.y;
    // A client lower than the bar: the strip reaches above the client area.
    EXPECT_TRUE(in_bar_strip(96, 100, 20, 10, -24));
    EXPECT_FALSE(in_bar_strip(96, 100, 20, 10, -25));
}

TEST(WindowLayout, MinimumTrackSize) {
    struct Case {
        uint32_t dpi;
        int32_t width, height;
    };
    const Case cases[] = {{96, 580, 300}, {120, 725, 375}, {144, 870, 450}, {192, 1160, 600},
                          {0, 0, 0},      {101, 610, 316}};  // 610.2 and 315.6: rounded, not truncated
    for (const Case& c : cases) {
        const MinTrackSize size = min_track_size(c.dpi);
        EXPECT_EQ(size.width, c.width) << c.dpi;
        EXPECT_EQ(size.height, c.height) << c.dpi;
    }
}

}  // namespace
