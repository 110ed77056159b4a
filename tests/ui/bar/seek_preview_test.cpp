#include "ui/bar/seek_preview.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

TEST(SeekPreviewTime, ClockOfTheBarOrNothing) {
    const struct Case {
        double duration;
        bool loaded;
        bool ended;
        double fraction;
        const char* time;
    } cases[] = {
        {100, true, false, 0.5, "0:50"}, {100, true, false, -0.2, "0:00"},    {100, true, false, 1.5, "1:40"},
        {3599, true, false, 1, "59:59"}, {3600, true, false, 0.5, "0:30:00"}, {7265, true, false, 1, "2:01:05"},
        {0, true, false, 0.5, ""},       {NAN, true, false, 0.5, ""},         {INFINITY, true, false, 0.5, ""},
        {100, false, false, 0.5, ""},    {100, true, true, 0.5, ""},          {100, true, false, NAN, "0:00"},
    };
    for (const Case& c : cases) {
        PlaybackState playback;
        playback.duration = c.duration;
        playback.file_loaded = c.loaded;
        playback.eof_reached = c.ended;
        EXPECT_EQ(seek_preview_time(playback, c.fraction), c.time) << c.duration << " " << c.fraction;
    }
}

TEST(SeekPreviewRect, CentredAboveTheBarInsideTheWorkArea) {
    const PixelRect screen{0, 0, 1920, 1040};
    const PixelRect left_monitor{-1920, 0, 0, 1080};
    const struct Case {
        int32_t pointer_x;
        int32_t bar_top;
        int32_t width;
        PixelRect work;
        PixelRect expected;
    } cases[] = {
        {960, 1000, 60, screen, {930, 970, 990, 994}},
        {10, 1000, 60, screen, {0, 970, 60, 994}},         // at the left edge
        {1915, 1000, 60, screen, {1860, 970, 1920, 994}},  // at the right edge
        {960, 20, 60, screen, {930, 0, 990, 24}},          // no room above the bar
        {-5, 500, 60, left_monitor, {-60, 470, 0, 494}},   // a monitor left of the main one
        {960, 1000, 4000, screen, {0, 970, 4000, 994}},    // wider than the screen: its start shows
        {INT32_MAX, INT32_MIN, 60, screen, {1860, 0, 1920, 24}},
    };
    for (const Case& c : cases) {
        const PixelRect r = seek_preview_rect(c.pointer_x, c.bar_top, c.width, 24, 6, c.work);
        EXPECT_EQ((std::array<int32_t, 4>{r.left, r.top, r.right, r.bottom}),
                  (std::array<int32_t, 4>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
            << c.pointer_x << " " << c.bar_top;
    }
}

}  // namespace
