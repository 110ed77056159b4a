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
        {100, false, false, 0.5, ""},    {100, true, true, 0.5, "0:50"},      {100, true, false, NAN, "0:00"},
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

// 160 pixels wide at 96 DPI in blocks of 16, the video's aspect kept within a quarter and twice that.
TEST(SeekPreviewPicture, SizeScalesWithTheDpiAndKeepsTheAspect) {
    const struct Case {
        int64_t video_width;
        int64_t video_height;
        uint32_t dpi;
        PictureSize expected;
    } cases[] = {
        {1280, 720, 96, {160, 90}},
        {640, 480, 96, {160, 120}},
        {1920, 1080, 144, {240, 135}},
        {1920, 1080, 120, {208, 117}},
        {1080, 1920, 96, {160, 284}},
        {100, 1000, 96, {160, 320}},
        {4000, 100, 96, {160, 40}},
        {1280, 720, 0, {16, 9}},
        {0, 720, 96, {}},
        {1280, -1, 96, {}},
    };
    for (const Case& c : cases) {
        const PictureSize size = seek_preview_picture_size(c.video_width, c.video_height, c.dpi);
        EXPECT_EQ(size, c.expected) << c.video_width << "x" << c.video_height << " at " << c.dpi << ": " << size.width
                                    << "x" << size.height;
    }
}

}  // namespace
