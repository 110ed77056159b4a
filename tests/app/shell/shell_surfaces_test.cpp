#include "app/shell/shell_surfaces.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/settings/language.h"
#include "player/playback_state.h"

namespace {

PlaybackState playing(double duration, int64_t second, bool paused = false, bool eof = false) {
    PlaybackState state;
    state.file_loaded = true;
    state.duration = duration;
    state.shown_second = second;
    state.paused = paused;
    state.eof_reached = eof;
    return state;
}

TEST(ShellSurfaces, TaskbarProgressFollowsTheShownSecond) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    PlaybackState unloaded = playing(100, 30);
    unloaded.file_loaded = false;
    const struct {
        PlaybackState state;
        bool failed;
        TaskbarProgress expected;
    } cases[] = {
        {PlaybackState{}, false, {}},
        {unloaded, false, {}},
        {playing(0, 3), false, {}},
        {playing(nan, 3), false, {}},
        {playing(inf, 3), false, {}},
        {playing(-5, 3), false, {}},
        {playing(100, 30), false, {ProgressKind::normal, 30000, 100000}},
        {playing(100.4, -1), false, {ProgressKind::normal, 0, 100400}},
        {playing(100, 30, true), false, {ProgressKind::paused, 30000, 100000}},
        {playing(100, 100, false, true), false, {ProgressKind::paused, 100000, 100000}},
        {playing(10.5, 12), false, {ProgressKind::normal, 10500, 10500}},  // past the end: clamped
        {PlaybackState{}, true, {ProgressKind::error, 1, 1}},
        {playing(100, 30), true, {ProgressKind::error, 1, 1}},
    };
    for (const auto& c : cases) {
        const TaskbarProgress got = taskbar_progress(c.state, c.failed);
        EXPECT_EQ(static_cast<int>(got.kind), static_cast<int>(c.expected.kind));
        EXPECT_EQ(got.completed, c.expected.completed);
        EXPECT_EQ(got.total, c.expected.total);
    }
}

TEST(ShellSurfaces, ThumbButtonsFollowPauseAndLanguage) {
    const struct {
        PlaybackState state;
        Language language;
        ThumbIcon middle;
        const char* tips[3];
        bool enabled;
    } cases[] = {
        {PlaybackState{}, Language::english, ThumbIcon::play, {"Back 10 s", "Play", "Forward 10 s"}, false},
        {playing(60, 1), Language::english, ThumbIcon::pause, {"Back 10 s", "Pause", "Forward 10 s"}, true},
        {playing(60, 1, true), Language::english, ThumbIcon::play, {"Back 10 s", "Play", "Forward 10 s"}, true},
        {playing(60, 60, false, true),
         Language::french,
         ThumbIcon::play,
         {"Reculer de 10 s", "Lecture", "Avancer de 10 s"},
         true},
        {playing(60, 1), Language::french, ThumbIcon::pause, {"Reculer de 10 s", "Pause", "Avancer de 10 s"}, true},
    };
    const MediaAction kActions[] = {MediaAction::back, MediaAction::toggle_pause, MediaAction::forward};
    for (const auto& c : cases) {
        set_active_language(c.language);
        const auto buttons = thumb_buttons(c.state);
        EXPECT_EQ(buttons[0].icon, ThumbIcon::back);
        EXPECT_EQ(buttons[1].icon, c.middle);
        EXPECT_EQ(buttons[2].icon, ThumbIcon::forward);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(buttons[i].id, i + 1);
            EXPECT_EQ(buttons[i].tooltip, c.tips[i]);
            EXPECT_EQ(buttons[i].enabled, c.enabled);
            EXPECT_EQ(thumb_button_action(buttons[i].id), kActions[i]);
        }
    }
    set_active_language(Language::english);
    EXPECT_EQ(thumb_button_action(0), MediaAction::none);
    EXPECT_EQ(thumb_button_action(4), MediaAction::none);
}

TEST(ShellSurfaces, MediaKeysAndOverlayButtons) {
    // The action without the overlay, and while the overlay offers its Play and Pause buttons.
    const struct {
        uint32_t command;
        MediaAction alone, with_overlay;
    } keys[] = {
        {14, MediaAction::toggle_pause, MediaAction::none}, {46, MediaAction::play, MediaAction::none},
        {47, MediaAction::pause, MediaAction::none},        {13, MediaAction::pause, MediaAction::pause},
        {49, MediaAction::forward, MediaAction::forward},   {50, MediaAction::back, MediaAction::back},
        {11, MediaAction::none, MediaAction::none},         {12, MediaAction::none, MediaAction::none},
        {8, MediaAction::none, MediaAction::none},          {9, MediaAction::none, MediaAction::none},
        {10, MediaAction::none, MediaAction::none},         {1, MediaAction::none, MediaAction::none},
        {48, MediaAction::none, MediaAction::none},         {0, MediaAction::none, MediaAction::none},
        {0xFFFFFFFF, MediaAction::none, MediaAction::none},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(app_command_action(k.command, false), k.alone) << k.command;
        EXPECT_EQ(app_command_action(k.command, true), k.with_overlay) << k.command;
    }
    const std::pair<int32_t, MediaAction> buttons[] = {
        {0, MediaAction::play}, {1, MediaAction::pause},   {2, MediaAction::pause},
        {3, MediaAction::none}, {4, MediaAction::forward}, {5, MediaAction::back},
        {6, MediaAction::none}, {7, MediaAction::none},    {-1, MediaAction::none},
    };
    for (const auto& [button, action] : buttons) EXPECT_EQ(overlay_button_action(button), action) << button;
}

TEST(ShellSurfaces, OverlayStatusTitleAndRecentDocuments) {
    EXPECT_EQ(overlay_status(PlaybackState{}), OverlayStatus::closed);
    EXPECT_EQ(overlay_status(playing(60, 1)), OverlayStatus::playing);
    EXPECT_EQ(overlay_status(playing(60, 1, true)), OverlayStatus::paused);
    EXPECT_EQ(overlay_status(playing(60, 60, true, true)), OverlayStatus::stopped);

    const std::pair<const char*, const char*> titles[] = {
        {"C:\\Vid\xC3\xA9os\\film one.mkv", "film one.mkv"},
        {"\\\\server\\share\\a.mp4", "a.mp4"},
        {"D:/mixed\\b/c.webm", "c.webm"},
        {"https://example.org/live/stream.m3u8", "stream.m3u8"},
        {"https://example.org/", "https://example.org/"},
        {"plain.mkv", "plain.mkv"},
        {"", ""},
    };
    for (const auto& [path, title] : titles) EXPECT_EQ(display_title(path), title) << path;

    EXPECT_TRUE(belongs_in_recent_documents("C:\\a.mkv"));
    EXPECT_TRUE(belongs_in_recent_documents("\\\\?\\C:\\long\\a.mkv"));
    EXPECT_FALSE(belongs_in_recent_documents("https://example.org/a.mkv"));
    EXPECT_FALSE(belongs_in_recent_documents(""));
}

// Coverage of a pixel, 0..255.
uint32_t alpha(const std::vector<uint32_t>& pixels, int size, int x, int y) {
    return pixels[static_cast<size_t>(y * size + x)] >> 24;
}

TEST(ShellSurfaces, IconsAreWhiteShapesThatDifferByKind) {
    for (const int size : {16, 20, 24, 32}) {
        std::vector<uint32_t> all[4];
        for (const ThumbIcon icon : {ThumbIcon::back, ThumbIcon::play, ThumbIcon::pause, ThumbIcon::forward}) {
            auto pixels = thumb_icon_pixels(icon, size);
            ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
            size_t opaque = 0;
            for (const uint32_t p : pixels) {
                const uint32_t a = p >> 24;
                // Premultiplied white: every channel equals the alpha.
                EXPECT_EQ(p, a << 24 | a << 16 | a << 8 | a);
                opaque += a == 255;
            }
            EXPECT_GT(opaque, static_cast<size_t>(size * size / 8)) << size;
            // Transparent corners, so the taskbar's button shows around the shape.
            EXPECT_EQ(alpha(pixels, size, 0, 0), 0u);
            EXPECT_EQ(alpha(pixels, size, size - 1, size - 1), 0u);
            all[static_cast<int>(icon)] = std::move(pixels);
        }
        const int mid = size / 2;
        const auto& back = all[static_cast<int>(ThumbIcon::back)];
        const auto& play = all[static_cast<int>(ThumbIcon::play)];
        const auto& pause = all[static_cast<int>(ThumbIcon::pause)];
        const auto& forward = all[static_cast<int>(ThumbIcon::forward)];
        // Pause: a gap between two bars; play: solid in the middle.
        EXPECT_EQ(alpha(pause, size, mid, mid), 0u) << size;
        EXPECT_EQ(alpha(play, size, mid, mid), 255u) << size;
        // Back is forward mirrored left to right.
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                EXPECT_EQ(alpha(back, size, x, y), alpha(forward, size, size - 1 - x, y))
                    << size << " " << x << "," << y;
        // Forward points right: solid inside its first triangle's base, empty past its last tip.
        EXPECT_EQ(alpha(forward, size, size / 4, mid), 255u) << size;
        EXPECT_EQ(alpha(forward, size, size - 1, mid), 0u) << size;
        EXPECT_NE(back, forward);
    }
    EXPECT_TRUE(thumb_icon_pixels(ThumbIcon::play, 0).empty());
    EXPECT_TRUE(thumb_icon_pixels(ThumbIcon::play, -3).empty());
}

}  // namespace
