// Keys, characters, the wheel, the multi-instance switch and the auto-hide, through real messages.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include "app/preferences_win.h"
#include "app/settings/language.h"
#include "support/file_dialog_watcher_win.h"
#include "support/program_windows_win.h"
#include "ui/input/input_win.h"
#include "ui/window_modes.h"
#include "ui/window_modes_win.h"

namespace {

TEST(Keys, ModifiersComeFromTheKeyboardState) {
    struct Case {
        WPARAM key;
        bool ctrl, shift;
        Command expected;
    };
    const Case cases[] = {
        {VK_LEFT, false, false, {CommandId::seek_relative, -5}},
        {VK_LEFT, false, true, {CommandId::seek_relative, -1}},
        {VK_LEFT, true, false, {CommandId::seek_relative, -60}},
        {VK_LEFT, true, true, {CommandId::seek_relative, -60}},
        {VK_RIGHT, false, true, {CommandId::seek_relative, 1}},
        {VK_RIGHT, true, true, {CommandId::seek_relative, 60}},
        {'O', false, false, {}},
        {'O', true, false, {CommandId::open_video}},
        {'A', true, false, {}},
        {'S', true, true, {}},
        {'I', true, false, {}},
        {'T', true, false, {}},
        {'I', false, true, {CommandId::toggle_multi_instance}},
        {VK_RETURN, true, false, {CommandId::toggle_fullscreen}},
        {0x100 + 'F', false, false, {}},  // wider than a virtual key: not 'F'
    };
    for (const Case& c : cases) {
        set_modifiers(c.ctrl, c.shift);
        EXPECT_EQ(current_key_command(c.key), c.expected) << c.key << " ctrl " << c.ctrl << " shift " << c.shift;
    }
    set_modifiers(false, false);
}

TEST(Keys, FullscreenKeysWithAndWithoutCtrl) {
    MainWindow w;
    for (const bool ctrl : {false, true}) {
        for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{'F'}, WPARAM{VK_F11}}) {
            set_modifiers(ctrl, false);
            EXPECT_EQ(w.send(WM_KEYDOWN, key, 1), 0);
            EXPECT_TRUE(w.app.mode.fullscreen) << key << " ctrl " << ctrl;
            EXPECT_EQ(w.send(WM_KEYDOWN, key, 1), 0);
            EXPECT_FALSE(w.app.mode.fullscreen) << key << " ctrl " << ctrl;
        }
        // Esc only leaves.
        EXPECT_EQ(w.send(WM_KEYDOWN, VK_ESCAPE, 1), 0);
        EXPECT_FALSE(w.app.mode.fullscreen);
        w.send(WM_KEYDOWN, 'F', 1);
        EXPECT_EQ(w.send(WM_KEYDOWN, VK_ESCAPE, 1), 0);
        EXPECT_FALSE(w.app.mode.fullscreen);
    }
}

TEST(Keys, CtrlLettersThatAreNotBoundDoNothing) {
    MainWindow w;
    w.app.playback.file_loaded = true;
    set_modifiers(true, false);
    for (const WPARAM key : {WPARAM{'A'}, WPARAM{'S'}, WPARAM{'I'}, WPARAM{'T'}, WPARAM{'Q'}, WPARAM{VK_F2}}) {
        EXPECT_FALSE(on_main_key_down(w.app, key)) << key;
        w.send(WM_KEYDOWN, key, 1);
    }
    EXPECT_FALSE(w.app.settings.multi_instance);
    EXPECT_FALSE(w.app.settings.always_on_top);
    EXPECT_EQ(GetWindowLongPtrW(w.window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(w.recorder.calls.empty());
    set_modifiers(false, false);
}

TEST(Keys, TAndIWithoutCtrl) {
    MainWindow w;
    EXPECT_EQ(w.send(WM_KEYDOWN, 'T', 1), 0);
    EXPECT_TRUE(w.app.settings.always_on_top);
    EXPECT_NE(GetWindowLongPtrW(w.window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(w.send(WM_KEYDOWN, 'T', 1), 0);
    EXPECT_FALSE(w.app.settings.always_on_top);
    // Shift does not matter for letters.
    set_modifiers(false, true);
    EXPECT_EQ(w.send(WM_KEYDOWN, 'I', 1), 0);
    EXPECT_TRUE(w.app.settings.multi_instance);
    set_modifiers(false, false);
}

TEST(Keys, OAloneNothingCtrlOTheVideoDialog) {
    MainWindow w;
    FileDialogWatcher watcher;
    w.send(WM_KEYDOWN, 'O', 1);
    EXPECT_EQ(watcher.opened, 0);
    set_modifiers(true, false);
    EXPECT_EQ(w.send(WM_KEYDOWN, 'O', 1), 0);
    set_modifiers(false, false);
    EXPECT_EQ(watcher.opened, 1);
    EXPECT_EQ(watcher.owner, w.window());
    ASSERT_EQ(watcher.file_types.size(), 2u);
    EXPECT_EQ(watcher.file_types[0].rfind("Videos", 0), 0u) << watcher.file_types[0];
    EXPECT_EQ(watcher.file_types[1].rfind("All files", 0), 0u) << watcher.file_types[1];
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);  // cancelled
}

TEST(Keys, ChosenFileIsOpened) {
    MainWindow w;
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"tarnwick dialog \x00E9.mkv";
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    wchar_t full[MAX_PATH]{};
    GetLongPathNameW(path.c_str(), full, MAX_PATH);
    FileDialogWatcher watcher;
    watcher.choose = full;
    set_modifiers(true, false);
    w.send(WM_KEYDOWN, 'O', 1);
    set_modifiers(false, false);
    DeleteFileW(path.c_str());
    EXPECT_EQ(watcher.opened, 1);
    EXPECT_EQ(w.count_calls("command [loadfile] [" + narrow(full) + "]"), 1u);
}

TEST(Keys, SpaceTogglesOnceAlthoughACharacterFollows) {
    MainWindow w;
    w.app.playback.file_loaded = true;
    // Posted and translated as the message loop does: the key-down also produces WM_CHAR ' '.
    PostMessageW(w.window(), WM_KEYDOWN, VK_SPACE, (0x39 << 16) | 1);
    pump_messages();
    EXPECT_TRUE(w.app.playback.paused);
    EXPECT_EQ(w.count_calls_starting("set 0 pause="), 1u);
}

TEST(Keys, ArrowsSeekByTheTable) {
    MainWindow w;
    w.app.playback.file_loaded = true;
    const struct {
        WPARAM key;
        bool ctrl, shift;
        const char* line;
    } cases[] = {
        {VK_LEFT, false, false, "line osd-msg-bar seek -5 relative+exact"},
        {VK_LEFT, false, true, "line osd-msg-bar seek -1 relative+exact"},
        {VK_LEFT, true, false, "line osd-msg-bar seek -60 relative+exact"},
        {VK_LEFT, true, true, "line osd-msg-bar seek -60 relative+exact"},
        {VK_RIGHT, false, false, "line osd-msg-bar seek 5 relative+exact"},
        {VK_RIGHT, false, true, "line osd-msg-bar seek 1 relative+exact"},
        {VK_RIGHT, true, true, "line osd-msg-bar seek 60 relative+exact"},
    };
    for (const auto& c : cases) {
        w.recorder.calls.clear();
        set_modifiers(c.ctrl, c.shift);
        // A first press and two auto-repeats (bit 30 set): each one seeks.
        w.send(WM_KEYDOWN, c.key, 1);
        w.send(WM_KEYDOWN, c.key, (1 << 30) | 1);
        w.send(WM_KEYDOWN, c.key, (1 << 30) | 1);
        EXPECT_EQ(w.count_calls(c.line), 3u) << c.line;
    }
    set_modifiers(false, false);
}

TEST(Keys, HomeSeeksToTheStartOnlyWithAFile) {
    MainWindow w;
    EXPECT_EQ(w.send(WM_KEYDOWN, VK_HOME, 1), 0);
    EXPECT_TRUE(w.recorder.calls.empty());
    w.app.playback.file_loaded = true;
    w.send(WM_KEYDOWN, VK_HOME, 1);
    EXPECT_EQ(w.count_calls("async 0 [seek] [0.000] [absolute+exact]"), 1u);
}

TEST(Chars, NeedTheCoreAndAScalarValue) {
    MainWindow none(kNoCore);
    for (const WPARAM c : {WPARAM{'+'}, WPARAM{'-'}, WPARAM{'='}, WPARAM{'.'}, WPARAM{','}})
        EXPECT_EQ(none.send(WM_CHAR, c, 1), 0);
    EXPECT_DOUBLE_EQ(none.app.playback.speed, 1.0);
}

TEST(Chars, FrameStepsNeedALoadedFile) {
    MainWindow w;
    for (const WPARAM c : {WPARAM{'.'}, WPARAM{','}, WPARAM{0xD800}, WPARAM{0x110000}, WPARAM{'k'}, WPARAM{' '}})
        EXPECT_EQ(w.send(WM_CHAR, c, 1), 0);
    EXPECT_TRUE(w.recorder.calls.empty());
    w.app.playback.file_loaded = true;
    w.send(WM_CHAR, '.', 1);
    w.send(WM_CHAR, ',', 1);
    EXPECT_EQ(w.count_calls("async 0 [frame-step]"), 1u);
    EXPECT_EQ(w.count_calls("async 0 [frame-back-step]"), 1u);
    w.recorder.calls.clear();
    w.send(WM_CHAR, '+', 1);
    EXPECT_DOUBLE_EQ(w.app.playback.speed, 1.25);
}

TEST(Wheel, FourSmallDeltasRaiseTheVolumeByTwenty) {
    MainWindow w;
    w.app.settings.wheel_invert = false;
    w.app.playback.current_volume = 50;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 30), 0), 0);
    EXPECT_DOUBLE_EQ(w.app.playback.current_volume, 70);
    EXPECT_EQ(w.count_calls_starting("set 0 volume="), 4u);
    // 0 is not a turn up, and neither is the most negative delta.
    w.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 0), 0);
    w.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 0x8000), 0);
    EXPECT_DOUBLE_EQ(w.app.playback.current_volume, 60);
    // Inverted: up is quieter.
    w.app.settings.wheel_invert = true;
    w.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_DOUBLE_EQ(w.app.playback.current_volume, 55);
}

TEST(Wheel, WakesTheBarInFullscreen) {
    MainWindow w;
    set_fullscreen(w.app, true);
    w.app.mode.cursor_hidden = true;
    ASSERT_FALSE(w.app.mode.bar_shown);
    KillTimer(w.window(), kTimerAutoHide);
    EXPECT_EQ(w.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 0x8000), 0), 0);
    EXPECT_TRUE(w.app.mode.bar_shown);
    EXPECT_FALSE(w.app.mode.cursor_hidden);
    EXPECT_TRUE(w.bar_visible());
    EXPECT_TRUE(KillTimer(w.window(), kTimerAutoHide));
    set_fullscreen(w.app, false);
}

TEST(MultiInstance, ThreePressesWriteThreeTimesWithAlternatingMessages) {
    MainWindow w;
    const char* on = "async 0 [show-text] [Multi-instance on: each video opens in a new window] [2500]";
    const char* off = "async 0 [show-text] [Multi-instance off: videos open in this window] [2500]";
    const char* expected[] = {on, off, on};
    for (int press = 0; press < 3; ++press) {
        w.recorder.calls.clear();
        DeleteFileW(wide(settings_path()).c_str());
        EXPECT_EQ(w.send(WM_KEYDOWN, 'I', 1), 0);
        EXPECT_EQ(w.app.settings.multi_instance, press != 1);
        ASSERT_EQ(w.recorder.calls.size(), 1u);
        EXPECT_EQ(w.recorder.calls[0], expected[press]);
        const auto text = read_settings_file();
        ASSERT_TRUE(text.has_value()) << "press " << press;
        EXPECT_EQ(parse_settings(*text).multi_instance, press != 1);
    }
    EXPECT_TRUE(w.app.settings.multi_instance);
}

TEST(MultiInstance, FrenchMessagesAndNoneWithoutCore) {
    {
        MainWindow w;
        set_active_language(Language::french);
        run_command(w.app, {CommandId::toggle_multi_instance});
        run_command(w.app, {CommandId::toggle_multi_instance});
        set_active_language(Language::english);
        ASSERT_EQ(w.recorder.calls.size(), 2u);
        EXPECT_EQ(w.recorder.calls[0],
                  "async 0 [show-text] [Multi-instance activé : chaque vidéo s'ouvre dans une nouvelle "
                  "fenêtre] [2500]");
        EXPECT_EQ(w.recorder.calls[1],
                  "async 0 [show-text] [Multi-instance désactivé : les vidéos s'ouvrent dans "
                  "cette fenêtre] [2500]");
    }
    MainWindow w(kNoCore);
    run_command(w.app, {CommandId::toggle_multi_instance});
    EXPECT_TRUE(w.app.settings.multi_instance);
    EXPECT_TRUE(w.recorder.calls.empty());
}

// --- auto-hide ---

POINT screen_point(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

void put_cursor(HWND window, int x, int y) {
    const POINT target = screen_point(window, x, y);
    SetCursorPos(target.x, target.y);
    POINT now{};
    GetCursorPos(&now);
    ASSERT_EQ(now.x, target.x);
    ASSERT_EQ(now.y, target.y);
}

TEST(AutoHide, WakeUpOnlyInFullscreen) {
    MainWindow w;
    w.app.mode.bar_shown = false;
    w.app.mode.cursor_hidden = true;  // as if left over; windowed nothing changes
    auto_hide_wake_up(w.app);
    EXPECT_FALSE(w.app.mode.bar_shown);
    EXPECT_TRUE(w.app.mode.cursor_hidden);
    EXPECT_FALSE(KillTimer(w.window(), kTimerAutoHide));

    set_fullscreen(w.app, true);
    EXPECT_FALSE(w.bar_visible());
    auto_hide_wake_up(w.app);
    EXPECT_TRUE(w.app.mode.bar_shown);
    EXPECT_FALSE(w.app.mode.cursor_hidden);
    EXPECT_TRUE(w.bar_visible());
    EXPECT_TRUE(KillTimer(w.window(), kTimerAutoHide));
    set_fullscreen(w.app, false);
}

TEST(AutoHide, TimerHidesTheBarUnlessSomethingKeepsIt) {
    MainWindow w(kShown);
    set_fullscreen(w.app, true);
    SetForegroundWindow(w.window());
    const RECT client = w.client();
    const int32_t bar = bar_height_for(w.app.windows.dpi);
    struct Case {
        const char* name;
        POINT cursor;
        BarHit hover;
        Drag drag;
        bool help;
        bool keep;
    };
    const Case cases[] = {
        {"over the video", {client.right / 2, client.bottom / 3}, BarHit::none, Drag::none, false, false},
        {"on a button", {client.right / 2, client.bottom - bar / 2}, button_hit(3), Drag::none, false, true},
        {"on the seek bar", {client.right / 2, client.bottom - bar / 2}, BarHit::seek_bar, Drag::none, false, true},
        {"on the bar's background",
         {client.right / 2, client.bottom - bar / 2},
         BarHit::none,
         Drag::none,
         false,
         false},
        {"stale hover above the bar",
         {client.right / 2, client.bottom - bar - 1},
         button_hit(3),
         Drag::none,
         false,
         false},
        {"dragging", {client.right / 2, client.bottom / 3}, BarHit::none, Drag::seek, false, true},
        {"help open", {client.right / 2, client.bottom / 3}, BarHit::none, Drag::none, true, true},
    };
    const HWND help = CreateWindowExW(0, L"STATIC", L"h", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    for (const Case& c : cases) {
        auto_hide_wake_up(w.app);
        w.app.bar.hover_button = c.hover;
        w.app.bar.drag = c.drag;
        stand_in_card(w.app, &AppWindows::help, c.help ? help : nullptr);
        put_cursor(w.window(), c.cursor.x, c.cursor.y);
        const bool foreground = GetForegroundWindow() == w.window();
        EXPECT_EQ(w.send(WM_TIMER, kTimerAutoHide), 0);
        EXPECT_EQ(w.app.mode.bar_shown, c.keep) << c.name;
        EXPECT_EQ(w.bar_visible(), c.keep) << c.name;
        EXPECT_EQ(KillTimer(w.window(), kTimerAutoHide) != FALSE, c.keep) << c.name;
        if (!c.keep) {
            EXPECT_EQ(w.app.bar.hover_button, BarHit::none) << c.name;
            EXPECT_EQ(w.app.mode.cursor_hidden, foreground) << c.name;
        }
    }
    stand_in_card(w.app, &AppWindows::help, nullptr);
    w.app.bar.drag = Drag::none;
    DestroyWindow(help);
    set_fullscreen(w.app, false);
}

TEST(AutoHide, InTheBackgroundOnlyTheBarHides) {
    MainWindow w(kShown);
    set_fullscreen(w.app, true);
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       nullptr, nullptr);
    SetForegroundWindow(other);
    if (GetForegroundWindow() != other) {
        DestroyWindow(other);
        GTEST_SKIP() << "this display does not let the test change the foreground window";
    }
    auto_hide_wake_up(w.app);
    put_cursor(w.window(), 300, 100);
    w.send(WM_TIMER, kTimerAutoHide);
    EXPECT_FALSE(w.app.mode.bar_shown);
    EXPECT_FALSE(w.app.mode.cursor_hidden);
    DestroyWindow(other);
    set_fullscreen(w.app, false);
}

TEST(AutoHide, WindowedTimerOnlyStopsItself) {
    MainWindow w;
    w.app.mode.bar_shown = true;
    SetTimer(w.window(), kTimerAutoHide, kAutoHideMs, nullptr);
    EXPECT_EQ(w.send(WM_TIMER, kTimerAutoHide), 0);
    EXPECT_FALSE(KillTimer(w.window(), kTimerAutoHide));
    EXPECT_TRUE(w.app.mode.bar_shown);
    EXPECT_TRUE(w.bar_visible());
}

}  // namespace
