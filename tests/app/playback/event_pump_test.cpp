#include "app/playback/event_pump.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "app/settings/language.h"
#include "support/mpv_events.h"
#include "support/recording_core.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The bar's fill ends at position / duration of the seek bar's width, clamped to it and truncated,
// as the painter draws it.
TEST(PositionMarks, SecondAndFillPixel) {
    constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
    const struct {
        double position, duration;
        int32_t width;
        int64_t second;
        int32_t bar_pos;
    } cases[] = {
        {0, 0, 500, 0, 0},
        {12.7, 0, 500, 12, 0},  // no duration (a live stream): the fill stays at 0
        {12.7, -3, 500, 12, 0},
        {12.7, kNaN, 500, 12, 0},
        {12.7, 60, 0, 12, 0},  // no bar laid out or shown
        {49.99, 100, 1000, 49, 499},
        {50, 100, 1000, 50, 500},
        {50, 100, 999, 50, 499},
        {100, 100, 1000, 100, 1000},
        {150, 100, 1000, 150, 1000},  // clamped like the fill
        {-0.5, 100, 1000, 0, 0},
        {-1.5, 100, 1000, -1, 0},
        {kNaN, 100, 1000, 0, 0},
        {kInf, 100, 1000, std::numeric_limits<int64_t>::max(), 1000},
        {-kInf, 100, 1000, std::numeric_limits<int64_t>::min(), 0},
        {kInf, kInf, 1000, std::numeric_limits<int64_t>::max(), 0},  // inf / inf is not a number
        {5, kInf, 1000, 5, 0},
        {1e30, 1e-300, kMax32, std::numeric_limits<int64_t>::max(), kMax32},
        {-1e300, 1e-300, 1000, std::numeric_limits<int64_t>::min(), 0},
    };
    for (const auto& c : cases) {
        const PositionMarks marks = position_marks(c.position, c.duration, c.width);
        EXPECT_EQ(marks.second, c.second) << c.position << " of " << c.duration << " at " << c.width;
        EXPECT_EQ(marks.bar_pos, c.bar_pos) << c.position << " of " << c.duration << " at " << c.width;
    }
}

struct Fold : ::testing::Test {
    RecordingCore recorder;
    Core core = recorder.core();
    PlaybackState state;
    MpvEvents events;

    EventOutcome fold(const mpv_event& e) { return take_core_event(state, core, e); }
    void TearDown() override { set_active_language(Language::english); }
};

TEST_F(Fold, PropertiesWithTheirFormats) {
    state.current_volume = 40;
    EXPECT_TRUE(fold(events.number(kObservedDuration, 98.5)).repaint);
    EXPECT_TRUE(fold(events.flag(kObservedPause, 1)).repaint);
    EXPECT_TRUE(fold(events.number(kObservedVolume, 55)).repaint);
    EXPECT_TRUE(fold(events.flag(kObservedMute, 7)).repaint);  // any non-zero flag is true
    EXPECT_TRUE(fold(events.flag(kObservedEofReached, 1)).repaint);
    EXPECT_TRUE(fold(events.number(kObservedSpeed, 1.5)).repaint);
    EXPECT_TRUE(fold(events.text(kObservedSid, "1")).repaint);
    EXPECT_EQ(state.duration, 98.5);
    EXPECT_TRUE(state.paused);
    EXPECT_EQ(state.current_volume, 55);
    EXPECT_TRUE(state.muted);
    EXPECT_TRUE(state.eof_reached);
    EXPECT_EQ(state.speed, 1.5);
    EXPECT_TRUE(state.subtitles_on);
    EXPECT_TRUE(recorder.calls.empty());
}

// A property the core cannot give (no file yet) arrives with MPV_FORMAT_NONE; a wrong format or a
// missing data pointer is treated the same way.
TEST_F(Fold, UnexpectedFormatsFallBack) {
    const auto set_all = [&] {
        state.position = 12;
        state.duration = 98;
        state.paused = state.muted = state.eof_reached = state.subtitles_on = true;
        state.current_volume = 40;
        state.speed = 2;
    };
    const auto check = [&](const char* what) {
        EXPECT_EQ(state.position, 0) << what;
        EXPECT_EQ(state.duration, 0) << what;
        EXPECT_FALSE(state.paused) << what;
        EXPECT_EQ(state.current_volume, 40) << what;  // the volume keeps its value
        EXPECT_FALSE(state.muted) << what;
        EXPECT_FALSE(state.eof_reached) << what;
        EXPECT_EQ(state.speed, 1.0) << what;
        EXPECT_FALSE(state.subtitles_on) << what;
    };
    const uint64_t ids[] = {kObservedTimePos, kObservedDuration,   kObservedPause, kObservedVolume,
                            kObservedMute,    kObservedEofReached, kObservedSpeed, kObservedSid};

    set_all();
    for (const uint64_t id : ids) fold(events.none(id));
    check("none");

    set_all();
    for (const uint64_t id : ids)
        fold(id == kObservedSid || id == kObservedTimePos ? events.flag(id, 1) : events.text(id, "1"));
    check("swapped formats");

    set_all();
    for (const uint64_t id : ids) {
        const mpv_format expected = id == kObservedSid                                       ? MPV_FORMAT_STRING
                                    : id == kObservedPause || id == kObservedMute || id == 6 ? MPV_FORMAT_FLAG
                                                                                             : MPV_FORMAT_DOUBLE;
        fold(events.property(id, expected, nullptr));
    }
    check("no data");

    // A format from a newer library than ours.
    set_all();
    for (const uint64_t id : ids) {
        mpv_event e = events.number(id, 5);
        const int unknown = 99;
        std::memcpy(&events.properties.back().format, &unknown, sizeof unknown);
        fold(e);
    }
    check("unknown format");

    set_all();
    mpv_event bare = MpvEvents::plain(MPV_EVENT_PROPERTY_CHANGE);
    bare.reply_userdata = kObservedPause;
    EXPECT_FALSE(fold(bare).repaint);  // no property record at all: nothing to fold
    EXPECT_TRUE(state.paused);
}

TEST_F(Fold, SubtitleStateFromSid) {
    const struct {
        const char* sid;
        bool on;
    } cases[] = {{"no", false}, {"1", true},       {"auto", true},  {"", true},
                 {"No", true},  {"no\xFF", false}, {"\xC3", false}, {nullptr, false}};
    for (const auto& c : cases) {
        state.subtitles_on = !c.on;
        fold(events.text(kObservedSid, c.sid));
        EXPECT_EQ(state.subtitles_on, c.on) << (c.sid ? c.sid : "null");
    }
}

TEST_F(Fold, PositionRepaintsOnlyWhenTheBarMoves) {
    fold(events.number(kObservedDuration, 2000));
    const struct {
        double position;
        bool repaint;
    } steps[] = {
        {0.0, true},                 // first report: the marks start at -1
        {0.4, false},                // same second, no bar to move
        {0.99, false}, {1.0, true},  // next second
        {1.5, false},  {1.9999, false}, {2.0, true}, {2.0, false},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(fold(events.number(kObservedTimePos, s.position)).repaint, s.repaint) << s.position;
        EXPECT_EQ(state.position, s.position);
    }
}

// A 60 s file on a 500-pixel seek bar: the fill moves a pixel every 0.12 s, the clock every second,
// and frames come every 0.04 s; only a move of either repaints.
TEST_F(Fold, FillMovingAWholePixelOrTheClockRepaints) {
    fold(events.number(kObservedDuration, 60));
    const struct {
        double position;
        int32_t width;  // the bar as laid out when the position arrives
        bool repaint;
    } steps[] = {
        {10.01, 500, true},                        // pixel 83.4
        {10.05, 500, false},  {10.09, 500, true},  // 83.7, 84.1
        {10.13, 500, false},  {10.17, 500, false},
        {10.21, 500, true},   {10.21, 0, true},  // the bar hidden: the fill is no longer drawn
        {10.6, 0, false},     {10.96, 0, false},
        {11.0, 0, true},      {11.02, 1200, true},  // shown again, wider: pixel 220.4
        {11.03, 1200, false}, {11.08, 1200, true},
    };
    for (const auto& s : steps) {
        state.seek_bar_width = s.width;
        EXPECT_EQ(fold(events.number(kObservedTimePos, s.position)).repaint, s.repaint)
            << s.position << " at " << s.width;
    }
}

TEST_F(Fold, DurationEarlierInTheSameDrainCounts) {
    state.seek_bar_width = 600;
    fold(events.number(kObservedTimePos, 30));
    EXPECT_EQ(state.shown_bar_pos, 0);
    fold(events.number(kObservedDuration, 60));
    EXPECT_TRUE(fold(events.number(kObservedTimePos, 30)).repaint);
    EXPECT_EQ(state.shown_bar_pos, 300);
}

TEST_F(Fold, ZeroDurationKeepsTheBarAtZero) {
    for (const double p : {0.5, 3.2, 7.9, 3600.1}) {
        fold(events.number(kObservedTimePos, p));
        EXPECT_EQ(state.shown_bar_pos, 0);
        EXPECT_EQ(state.shown_second, static_cast<int64_t>(p));
    }
}

TEST_F(Fold, PositionsThatAreNotNumbers) {
    fold(events.number(kObservedDuration, 100));
    EXPECT_TRUE(fold(events.number(kObservedTimePos, kNaN)).repaint);
    EXPECT_TRUE(std::isnan(state.position));
    EXPECT_EQ(state.shown_second, 0);
    EXPECT_EQ(state.shown_bar_pos, 0);
    EXPECT_TRUE(fold(events.number(kObservedTimePos, kInf)).repaint);
    EXPECT_EQ(state.shown_second, std::numeric_limits<int64_t>::max());
    EXPECT_FALSE(fold(events.number(kObservedTimePos, kInf)).repaint);
    fold(events.number(kObservedDuration, kNaN));
    EXPECT_TRUE(fold(events.number(kObservedTimePos, 5)).repaint);
    EXPECT_EQ(state.shown_bar_pos, 0);
}

TEST_F(Fold, NegativeAndOddSpeedsAreKeptAsReported) {
    fold(events.number(kObservedSpeed, -2));
    EXPECT_EQ(state.speed, -2);
    fold(events.number(kObservedSpeed, kNaN));
    EXPECT_TRUE(std::isnan(state.speed));
}

TEST_F(Fold, UnknownIdsAndEventsAreIgnored) {
    const PlaybackState before = state;
    EXPECT_FALSE(fold(events.number(9, 5)).repaint);
    EXPECT_FALSE(fold(events.number(0, 5)).repaint);
    for (const int id :
         std::initializer_list<int>{MPV_EVENT_LOG_MESSAGE, MPV_EVENT_COMMAND_REPLY, MPV_EVENT_SET_PROPERTY_REPLY,
                                    MPV_EVENT_START_FILE, MPV_EVENT_IDLE, 999}) {
        const EventOutcome o = fold(MpvEvents::plain(id));
        EXPECT_FALSE(o.stop || o.repaint || o.file_loaded) << id;
    }
    EXPECT_EQ(state.position, before.position);
    EXPECT_EQ(state.shown_second, -1);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Fold, EmptyQueueAndShutdownStop) {
    EXPECT_TRUE(fold(MpvEvents::plain(MPV_EVENT_NONE)).stop);
    EXPECT_TRUE(fold(MpvEvents::plain(MPV_EVENT_SHUTDOWN)).stop);
    EXPECT_FALSE(fold(events.number(kObservedSpeed, 1)).stop);
}

TEST_F(Fold, EndFileReportsOnlyErrors) {
    const struct {
        int reason;
        bool message;
    } cases[] = {{MPV_END_FILE_REASON_EOF, false},      {MPV_END_FILE_REASON_STOP, false},
                 {MPV_END_FILE_REASON_QUIT, false},     {MPV_END_FILE_REASON_ERROR, true},
                 {MPV_END_FILE_REASON_REDIRECT, false}, {42, false}};
    state.current_file = "C:\\clips\\broken.mkv";
    for (const auto& c : cases) {
        recorder.calls.clear();
        state.file_loaded = true;
        state.eof_reached = true;
        const EventOutcome o = fold(events.end_file(c.reason));
        EXPECT_TRUE(o.repaint);
        EXPECT_FALSE(o.file_loaded);
        EXPECT_FALSE(state.file_loaded);
        EXPECT_TRUE(state.eof_reached);  // only the property moves it
        EXPECT_EQ(o.load_failed, c.message) << c.reason;
        if (c.message)
            EXPECT_EQ(recorder.calls,
                      (std::vector<std::string>{"async 0 [show-text] [Cannot play \"C:\\clips\\broken.mkv\"] [5000]"}));
        else
            EXPECT_TRUE(recorder.calls.empty()) << c.reason;
    }
}

TEST_F(Fold, EndFileFailureInFrench) {
    set_active_language(Language::french);
    state.current_file = "https://example.com/a.mp4";
    fold(events.end_file(MPV_END_FILE_REASON_ERROR));
    EXPECT_EQ(
        recorder.calls,
        (std::vector<std::string>{"async 0 [show-text] [Impossible de lire « https://example.com/a.mp4 »] [5000]"}));
}

TEST_F(Fold, EndFileWithoutAFileOrWithoutData) {
    EXPECT_FALSE(fold(events.end_file(MPV_END_FILE_REASON_ERROR)).load_failed);  // nothing was opened by us
    mpv_event bare = MpvEvents::plain(MPV_EVENT_END_FILE);
    state.current_file = "x.mkv";
    state.file_loaded = true;
    const EventOutcome o = fold(bare);
    EXPECT_TRUE(o.repaint);
    EXPECT_FALSE(o.load_failed);
    EXPECT_FALSE(state.file_loaded);
    EXPECT_TRUE(recorder.calls.empty());
}

// The core starts a file at its saved position by itself; the first position reported after the
// load says where that was. Nothing is read from the core while it is still opening the file.
TEST_F(Fold, FileLoadedAnnouncesAResumedPosition) {
    const struct {
        double start;
        const char* message;  // nullptr: none
    } cases[] = {
        {3725.4, "Resuming at 1:02:05"}, {65, "Resuming at 1:05"},
        {9.9, "Resuming at 0:09"},       {1.0, nullptr},
        {1.0000001, "Resuming at 0:01"}, {0, nullptr},
        {std::nan(""), nullptr},         {-30, nullptr},
    };
    for (const auto& c : cases) {
        recorder.calls.clear();
        state.file_loaded = false;
        state.eof_reached = true;
        const EventOutcome loaded = fold(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
        EXPECT_TRUE(loaded.file_loaded && loaded.repaint && !loaded.stop);
        EXPECT_TRUE(state.file_loaded);
        EXPECT_FALSE(state.eof_reached);
        EXPECT_FALSE(fold(events.none(kObservedTimePos)).resumed_at);  // not known yet
        fold(events.number(kObservedTimePos, c.start));
        fold(events.number(kObservedTimePos, 5000));  // playing on: no second message
        std::vector<std::string> expected;
        if (c.message) expected.push_back(std::string("async 0 [show-text] [") + c.message + "] [2000]");
        EXPECT_EQ(recorder.calls, expected) << c.start;
    }
    // Positions before any load, or after the file ended before reporting one, announce nothing.
    recorder.calls.clear();
    fold(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    fold(events.end_file(MPV_END_FILE_REASON_EOF));
    fold(events.number(kObservedTimePos, 3725.4));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Fold, ResumeMessageInFrench) {
    set_active_language(Language::french);
    fold(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    fold(events.number(kObservedTimePos, 3725.4));
    EXPECT_EQ(recorder.calls.back(), "async 0 [show-text] [Reprise à 1:02:05] [2000]");
}

}  // namespace
