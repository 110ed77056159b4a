#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/playback/playback_rules.h"
#include "app/playback/speed_ladder.h"
#include "player/playback_state.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SpeedLadder, Steps) {
    const struct {
        double speed;
        int step;
        double expected;
    } cases[] = {
        {1, +1, 1.25},
        {1, -1, 0.75},
        {4, +1, 4},
        {0.25, -1, 0.25},
        {3, +1, 4},
        {2, +1, 3},
        {0.5, 0, 1},
        {4, 0, 1},
        {1.1, +1, 1.25},
        {1.1, -1, 0.75},
        {1.259, +1, 1.5},
        {1.2401, -1, 1},
        {0.0, +1, 1.25},
        {-2, +1, 1.25},
        {kNaN, +1, 1.25},
        {kInf, -1, 0.75},
        {0.75, +1000, 4},
        {3, -1000, 0.25},
        {1.0, std::numeric_limits<int>::max(), 4},
        {1.0, std::numeric_limits<int>::min(), 0.25},
    };
    for (const auto& c : cases) EXPECT_EQ(next_speed(c.speed, c.step), c.expected) << c.speed << " step " << c.step;
}

TEST(SpeedLadder, ToleranceIsStrict) {
    EXPECT_EQ(speed_index(1.5 + 0.0099), 5);
    EXPECT_EQ(speed_index(1.5 - 0.0099), 5);
    EXPECT_EQ(speed_index(1.52), kNormalSpeedIndex);
    // Nothing is nearer than 0.01 to 2.5: normal speed.
    EXPECT_EQ(speed_index(2.5), kNormalSpeedIndex);
    for (size_t i = 0; i < kSpeedLadder.size(); ++i) EXPECT_EQ(speed_index(kSpeedLadder[i]), static_cast<int>(i));
}

TEST(Volume, ClampedAndRoundedHalfAway) {
    const struct {
        double requested;
        double expected;
    } cases[] = {
        {62.5, 63}, {62.49, 62}, {0.5, 1},   {103, 100}, {100, 100},  {-2, 0},
        {-0.4, 0},  {kInf, 100}, {-kInf, 0}, {kNaN, 0},  {99.5, 100}, {55, 55},
    };
    for (const auto& c : cases) {
        const double v = whole_volume(c.requested);
        EXPECT_EQ(v, c.expected) << c.requested;
        EXPECT_FALSE(std::signbit(v)) << c.requested;  // never "-0" on screen or to the core
    }
    EXPECT_FALSE(std::signbit(whole_volume(-0.0)));
}

TEST(ResumeCommand, LastFiveSecondsAndEndForget) {
    const struct {
        double position, duration;
        bool eof;
        const char* expected;
    } cases[] = {
        {95, 98, false, "delete-watch-later-config"},     {50, 98, false, "write-watch-later-config"},
        {93, 98, false, "write-watch-later-config"},  // exactly five seconds left still writes
        {93.001, 98, false, "delete-watch-later-config"}, {10, 98, true, "delete-watch-later-config"},
        {3000, 0, false, "write-watch-later-config"},  // no duration: a stream, never "near its end"
        {kNaN, 98, false, "write-watch-later-config"},    {10, kNaN, false, "write-watch-later-config"},
        {kInf, 98, false, "delete-watch-later-config"},
    };
    for (const auto& c : cases) {
        PlaybackState state;
        state.position = c.position;
        state.duration = c.duration;
        state.eof_reached = c.eof;
        EXPECT_STREQ(resume_command(state), c.expected) << c.position << " of " << c.duration;
    }
}

TEST(RelativeSeek, CommandLine) {
    EXPECT_EQ(relative_seek_line(-1), "osd-msg-bar seek -1 relative+exact");
    EXPECT_EQ(relative_seek_line(60), "osd-msg-bar seek 60 relative+exact");
    EXPECT_EQ(relative_seek_line(0), "osd-msg-bar seek 0 relative+exact");
    EXPECT_EQ(relative_seek_line(std::numeric_limits<int32_t>::min()), "osd-msg-bar seek -2147483648 relative+exact");
}

}  // namespace
