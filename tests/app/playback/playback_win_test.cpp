#include "app/playback/playback_win.h"

#include <limits>

#include "support/program_windows_win.h"

namespace {

using Calls = std::vector<std::string>;

struct Playback : PlaybackWindows {
    void loaded(double position = 0, double duration = 0) {
        app.playback.file_loaded = true;
        app.playback.position = position;
        app.playback.duration = duration;
    }
};

TEST_F(Playback, OpenFileSendsTheFileAndResetsTheState) {
    app.playback.position = 12;
    app.playback.duration = 90;
    app.playback.eof_reached = true;
    const std::string path = "C:\\Vidéos\\Le film.mkv";
    EXPECT_TRUE(open_file(app, path));  // the bar and the shell follow
    EXPECT_EQ(recorder.calls,
              (Calls{"async 0 [show-text] [] [1]", "set 0 pause=0", "command [loadfile] [C:\\Vidéos\\Le film.mkv]"}));
    EXPECT_EQ(app.playback.current_file, path);
    EXPECT_FALSE(app.playback.file_loaded);
    EXPECT_FALSE(app.playback.eof_reached);
    EXPECT_EQ(app.playback.position, 0);
    EXPECT_EQ(app.playback.duration, 0);
    EXPECT_EQ(title(), path + " — Tarnwick Light");
}

TEST_F(Playback, OpenUrlTitle) {
    open_file(app, "https://example.com/live?a=1&b=%20");
    EXPECT_EQ(title(), "https://example.com/live?a=1&b=%20 — Tarnwick Light");
}

TEST_F(Playback, OpeningAnotherFileSavesTheResumePointFirst) {
    const struct {
        double position, duration;
        bool eof;
        const char* command;
    } cases[] = {
        {88, 98, false, "command [write-watch-later-config]"},
        {95, 98, false, "command [delete-watch-later-config]"},
        {20, 98, true, "command [delete-watch-later-config]"},
    };
    for (const auto& c : cases) {
        recorder.calls.clear();
        loaded(c.position, c.duration);
        app.playback.eof_reached = c.eof;
        open_file(app, "D:\\next.mp4");
        ASSERT_EQ(recorder.calls.size(), 4u);
        EXPECT_EQ(recorder.calls[0], c.command) << c.position;
        EXPECT_EQ(recorder.calls[3], "command [loadfile] [D:\\next.mp4]");
    }
}

TEST_F(Playback, NothingWithoutTheCore) {
    app.core.reset();
    loaded(50, 98);
    EXPECT_FALSE(open_file(app, "C:\\a.mkv"));
    load_subtitle_file(app, "C:\\a.srt");
    save_resume_position(app);
    EXPECT_FALSE(toggle_pause(app));
    seek_relative(app, 5);
    seek_absolute(app, 3, true);
    frame_step(app);
    frame_back_step(app);
    EXPECT_FALSE(set_volume(app, 20, true));
    EXPECT_FALSE(toggle_mute(app));
    EXPECT_FALSE(change_speed(app, 1));
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(title(), "Tarnwick Light");
    EXPECT_FALSE(app.playback.current_file.has_value());
    EXPECT_FALSE(app.playback.paused);
    EXPECT_EQ(app.playback.speed, 1.0);
    EXPECT_FALSE(app.playback.muted);
}

TEST_F(Playback, SubtitleFile) {
    load_subtitle_file(app, "C:\\s.srt");  // nothing loaded: nothing happens
    EXPECT_TRUE(recorder.calls.empty());

    loaded();
    load_subtitle_file(app, "C:\\s.srt");
    EXPECT_EQ(recorder.calls,
              (Calls{"command [sub-add] [C:\\s.srt] [select]", "async 0 [show-text] [Subtitles: C:\\s.srt] [2000]"}));

    recorder.calls.clear();
    set_active_language(Language::french);
    load_subtitle_file(app, "C:\\s.srt");
    EXPECT_EQ(recorder.calls.back(), "async 0 [show-text] [Sous-titres : C:\\s.srt] [2000]");

    recorder.calls.clear();
    recorder.command_status["sub-add"] = -13;
    load_subtitle_file(app, "C:\\bad.srt");
    EXPECT_EQ(recorder.calls, (Calls{"command [sub-add] [C:\\bad.srt] [select]",
                                     "async 0 [show-text] [Impossible de charger ce fichier de sous-titres] [2500]"}));
    set_active_language(Language::english);
    recorder.calls.clear();
    load_subtitle_file(app, "C:\\bad.srt");
    EXPECT_EQ(recorder.calls.back(), "async 0 [show-text] [Cannot load this subtitle file] [2500]");
}

// The core opens local files with CreateFileW: from MAX_PATH units on, only the verbatim form opens.
TEST_F(Playback, LongSubtitlePathReachesTheCoreVerbatim) {
    loaded();
    const std::string path = "C:\\" + std::string(251, 's') + "\\x.srt";
    ASSERT_EQ(path.size(), 260u);
    load_subtitle_file(app, path);
    EXPECT_EQ(recorder.calls, (Calls{"command [sub-add] [\\\\?\\" + path + "] [select]",
                                     "async 0 [show-text] [Subtitles: " + path + "] [2000]"}));
}

TEST_F(Playback, SaveResumePositionNeedsALoadedFile) {
    save_resume_position(app);
    EXPECT_TRUE(recorder.calls.empty());
    loaded(50, 98);
    save_resume_position(app);
    loaded(95, 98);
    save_resume_position(app);
    EXPECT_EQ(recorder.calls, (Calls{"command [write-watch-later-config]", "command [delete-watch-later-config]"}));
}

TEST_F(Playback, PauseSavesOrForgetsTheResumePoint) {
    const struct {
        double position, duration;
        const char* command;
    } cases[] = {{95, 98, "command [delete-watch-later-config]"}, {50, 98, "command [write-watch-later-config]"}};
    for (const auto& c : cases) {
        recorder.calls.clear();
        loaded(c.position, c.duration);
        app.playback.paused = false;
        EXPECT_TRUE(toggle_pause(app));
        EXPECT_TRUE(app.playback.paused);
        EXPECT_EQ(recorder.calls, (Calls{"set 0 pause=1", c.command}));
    }
}

TEST_F(Playback, ResumingPlaybackWritesNothing) {
    loaded(50, 98);
    app.playback.paused = true;
    EXPECT_TRUE(toggle_pause(app));
    EXPECT_FALSE(app.playback.paused);
    EXPECT_EQ(recorder.calls, (Calls{"set 0 pause=0"}));
}

TEST_F(Playback, PlayAtTheEndStartsOver) {
    loaded(98, 98);
    app.playback.eof_reached = true;
    app.playback.paused = true;
    EXPECT_FALSE(toggle_pause(app));  // the property changes that follow repaint the bar
    EXPECT_EQ(recorder.calls, (Calls{"async 0 [seek] [0] [absolute+exact]", "set 0 pause=0"}));
    EXPECT_TRUE(app.playback.paused);  // left to the core's "pause" report
}

TEST_F(Playback, PauseNeedsALoadedFile) {
    toggle_pause(app);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_FALSE(app.playback.paused);
}

TEST_F(Playback, Seeks) {
    seek_relative(app, 5);
    seek_absolute(app, 0, true);
    EXPECT_TRUE(recorder.calls.empty());  // nothing loaded

    loaded(10, 100);
    seek_relative(app, -1);
    seek_relative(app, 60);
    seek_absolute(app, 0, true);
    seek_absolute(app, 83.5, false);
    seek_absolute(app, 12.3456, true);
    seek_absolute(app, std::numeric_limits<double>::quiet_NaN(), true);
    seek_absolute(app, std::numeric_limits<double>::infinity(), false);
    EXPECT_EQ(recorder.calls, (Calls{
                                  "line osd-msg-bar seek -1 relative+exact",
                                  "line osd-msg-bar seek 60 relative+exact",
                                  "async 0 [seek] [0.000] [absolute+exact]",
                                  "async 0 [seek] [83.500] [absolute+keyframes]",
                                  "async 0 [seek] [12.346] [absolute+exact]",
                              }));
}

TEST_F(Playback, FrameStepsNeedAFileAndTheSpeedDoesNot) {
    frame_step(app);
    frame_back_step(app);
    EXPECT_TRUE(recorder.calls.empty());
    change_speed(app, 1);
    EXPECT_EQ(app.playback.speed, 1.25);

    recorder.calls.clear();
    loaded();
    frame_step(app);
    frame_back_step(app);
    change_speed(app, 0);
    EXPECT_EQ(recorder.calls, (Calls{"async 0 [frame-step]", "async 0 [frame-back-step]", "set 0 speed=1.000000",
                                     "async 0 [show-text] [Speed: ×1] [1000]"}));
    change_speed(app, -1);
    EXPECT_EQ(app.playback.speed, 0.75);
}

TEST_F(Playback, VolumeSteps) {
    const struct {
        const char* what;
        double volume;
        bool muted;
        double requested;
        bool show;
        double expected;
        bool still_muted;
        Calls calls;
    } cases[] = {
        {"up to the top",
         98,
         false,
         103,
         true,
         100,
         false,
         {"set 0 volume=100.000000", "async 0 [show-text] [Volume: 100%] [1000]"}},
        {"up at the top",
         100,
         false,
         105,
         true,
         100,
         false,
         {"set 0 volume=100.000000", "async 0 [show-text] [Volume: 100%] [1000]"}},
        {"down to zero does not mute",
         3,
         false,
         -2,
         true,
         0,
         false,
         {"set 0 volume=0.000000", "async 0 [show-text] [Volume: 0%] [1000]"}},
        {"up unmutes",
         30,
         true,
         35,
         true,
         35,
         false,
         {"set 0 volume=35.000000", "set 0 mute=0", "async 0 [show-text] [Volume: 35%] [1000]"}},
        {"down to 5 unmutes",
         10,
         true,
         5,
         true,
         5,
         false,
         {"set 0 volume=5.000000", "set 0 mute=0", "async 0 [show-text] [Volume: 5%] [1000]"}},
        {"down to 0 stays muted",
         5,
         true,
         0,
         true,
         0,
         true,
         {"set 0 volume=0.000000", "async 0 [show-text] [Volume: 0%] [1000]"}},
        {"slider, no message, half rounds up", 40, false, 62.5, false, 63, false, {"set 0 volume=63.000000"}},
        {"slider below 0 while muted", 40, true, -0.0, false, 0, true, {"set 0 volume=0.000000"}},
    };
    for (const auto& c : cases) {
        recorder.calls.clear();
        app.playback.current_volume = c.volume;
        app.playback.muted = c.muted;
        EXPECT_TRUE(set_volume(app, c.requested, c.show)) << c.what;
        EXPECT_EQ(app.playback.current_volume, c.expected) << c.what;
        EXPECT_EQ(app.playback.muted, c.still_muted) << c.what;
        EXPECT_EQ(recorder.calls, c.calls) << c.what;
    }
}

TEST_F(Playback, VolumeMessageInFrench) {
    set_active_language(Language::french);
    set_volume(app, 55, true);
    EXPECT_EQ(recorder.calls.back(), "async 0 [show-text] [Volume : 55 %] [1000]");
}

TEST_F(Playback, MuteToggles) {
    EXPECT_TRUE(toggle_mute(app));
    EXPECT_TRUE(app.playback.muted);
    set_active_language(Language::french);
    toggle_mute(app);
    EXPECT_FALSE(app.playback.muted);
    EXPECT_EQ(recorder.calls, (Calls{"set 0 mute=1", "async 0 [show-text] [Muted] [1000]", "set 0 mute=0",
                                     "async 0 [show-text] [Son activé] [1000]"}));
}

TEST_F(Playback, SpeedSteps) {
    const struct {
        double speed;
        int step;
        double expected;
        const char* message;
    } cases[] = {
        {4, +1, 4, "Speed: ×4"},         {0.25, -1, 0.25, "Speed: ×0.25"},
        {1.1, +1, 1.25, "Speed: ×1.25"}, {3, 0, 1, "Speed: ×1"},
        {-2, -1, 0.75, "Speed: ×0.75"},  {std::numeric_limits<double>::quiet_NaN(), +1, 1.25, "Speed: ×1.25"},
    };
    for (const auto& c : cases) {
        recorder.calls.clear();
        app.playback.speed = c.speed;
        change_speed(app, c.step);
        EXPECT_EQ(app.playback.speed, c.expected);
        ASSERT_EQ(recorder.calls.size(), 2u);
        EXPECT_EQ(recorder.calls[0], "set 0 speed=" + std::to_string(c.expected));
        EXPECT_EQ(recorder.calls[1], std::string("async 0 [show-text] [") + c.message + "] [1000]");
    }
    set_active_language(Language::french);
    app.playback.speed = 0.75;
    change_speed(app, -1);
    EXPECT_EQ(recorder.calls.back(), "async 0 [show-text] [Vitesse : ×0.5] [1000]");
}

}  // namespace
