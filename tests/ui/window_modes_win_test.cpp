// Layout, fullscreen, always on top and the placement capture against Wine's real monitor.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include "support/program_windows_win.h"
#include "ui/bar/bar_layout.h"
#include "ui/window_modes.h"

namespace {

constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

RECT window_rect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT monitor_of(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcMonitor;
}

// The bar's ten tool rectangles: the buttons moved down by the bar's top, or empty when hidden.
void expect_tool_rects(const MainWindow& w, bool visible) {
    const RECT client = w.client();
    const int32_t bar = bar_height_for(w.app.windows.dpi);
    const BarLayout layout = compute_bar_layout(w.app.windows.dpi, client.right, bar);
    for (const BarButton& button : layout.buttons) {
        const RECT got = w.tool_rect(button.id + 1u);
        const RECT want = visible ? RECT{button.rect.left, button.rect.top + client.bottom - bar, button.rect.right,
                                         button.rect.bottom + client.bottom - bar}
                                  : RECT{0, 0, 0, 0};
        EXPECT_TRUE(EqualRect(&got, &want)) << "tool " << button.id + 1 << " visible " << visible << ": " << got.left
                                            << "," << got.top << "," << got.right << "," << got.bottom;
    }
}

TEST(Layout, VideoAboveTheBarAtEachDpi) {
    MainWindow w(kTooltips);
    for (const uint32_t dpi : {96u, 120u, 144u, 192u}) {
        w.app.windows.dpi = dpi;
        layout_children(w.app);
        const RECT client = w.client();
        const int32_t bar = bar_height_for(dpi);
        const RECT video = w.child_rect(w.app.windows.video_window);
        const RECT strip = w.child_rect(w.app.windows.bar_window);
        EXPECT_EQ(video.top, 0);
        EXPECT_EQ(video.right, client.right);
        EXPECT_EQ(video.bottom, client.bottom - bar) << dpi;
        EXPECT_EQ(strip.top, client.bottom - bar) << dpi;
        EXPECT_EQ(strip.bottom, client.bottom);
        EXPECT_EQ(strip.right - strip.left, client.right);
        EXPECT_TRUE(w.bar_visible());
        expect_tool_rects(w, true);
        const BarRect seek = compute_bar_layout(dpi, client.right, bar).seek_rect;
        EXPECT_EQ(w.app.playback.seek_bar_width, seek.right - seek.left) << dpi;
    }
}

TEST(Layout, ClientLowerThanTheBarPutsTheBarAtNegativeY) {
    MainWindow w;
    // A DPI whose bar is taller than the whole client area.
    w.app.windows.dpi = 96 * 16;
    layout_children(w.app);
    const RECT client = w.client();
    const int32_t bar = bar_height_for(w.app.windows.dpi);
    ASSERT_GT(bar, client.bottom);
    const RECT video = w.child_rect(w.app.windows.video_window);
    const RECT strip = w.child_rect(w.app.windows.bar_window);
    EXPECT_EQ(video.bottom - video.top, 0);
    EXPECT_EQ(strip.top, client.bottom - bar);
    EXPECT_LT(strip.top, 0);
    EXPECT_EQ(strip.bottom, client.bottom);
}

TEST(Layout, NothingWithoutTheVideoWindow) {
    MainWindow w;
    const RECT before = w.child_rect(w.app.windows.bar_window);
    const HWND video = w.app.windows.video_window;
    w.app.windows.video_window = nullptr;
    w.app.windows.dpi = 192;
    layout_children(w.app);
    const RECT after = w.child_rect(w.app.windows.bar_window);
    EXPECT_TRUE(EqualRect(&before, &after));
    w.app.windows.video_window = video;
}

TEST(Fullscreen, CoversTheMonitorAndComesBack) {
    MainWindow w(kTooltips);
    SetWindowPos(w.window(), nullptr, 50, 40, 800, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT before = window_rect(w.window());
    const LONG_PTR style_before = GetWindowLongPtrW(w.window(), GWL_STYLE);
    w.app.mode.cursor_hidden = false;

    set_fullscreen(w.app, true);
    EXPECT_TRUE(w.app.mode.fullscreen);
    EXPECT_FALSE(w.app.mode.bar_shown);
    const LONG_PTR style = GetWindowLongPtrW(w.window(), GWL_STYLE);
    EXPECT_EQ(style & kFrameStyles, 0);
    EXPECT_EQ(style & ~kFrameStyles, style_before & ~kFrameStyles);  // WS_CLIPCHILDREN and the rest stay
    const RECT screen = monitor_of(w.window());
    const RECT full = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&full, &screen));
    EXPECT_EQ(w.app.mode.saved_placement.length, sizeof(WINDOWPLACEMENT));
    EXPECT_FALSE(w.bar_visible());
    const RECT video = w.child_rect(w.app.windows.video_window);
    EXPECT_EQ(video.bottom, w.client().bottom);
    expect_tool_rects(w, false);
    EXPECT_EQ(w.app.playback.seek_bar_width, 0);  // a hidden fill need not follow every pixel

    // Asking again changes nothing, not even the saved placement.
    const WINDOWPLACEMENT saved = w.app.mode.saved_placement;
    set_fullscreen(w.app, true);
    EXPECT_EQ(memcmp(&saved, &w.app.mode.saved_placement, sizeof saved), 0);

    w.app.mode.cursor_hidden = true;
    set_fullscreen(w.app, false);
    EXPECT_FALSE(w.app.mode.fullscreen);
    EXPECT_TRUE(w.app.mode.bar_shown);
    EXPECT_FALSE(w.app.mode.cursor_hidden);
    EXPECT_FALSE(KillTimer(w.window(), kTimerAutoHide)) << "leaving stops the auto-hide timer";
    EXPECT_EQ(GetWindowLongPtrW(w.window(), GWL_STYLE) & kFrameStyles, kFrameStyles);
    const RECT after = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&after, &before));
    EXPECT_TRUE(w.bar_visible());
    expect_tool_rects(w, true);

    // Leaving while windowed does nothing.
    set_fullscreen(w.app, false);
    const RECT still = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&still, &before));
}

TEST(Fullscreen, StartsTheAutoHideTimer) {
    MainWindow w;
    set_fullscreen(w.app, true);
    EXPECT_TRUE(KillTimer(w.window(), kTimerAutoHide));
    set_fullscreen(w.app, false);
}

// Windows follows a window moved under a still pointer with a WM_MOUSEMOVE at the pointer's new client
// position; that must not count as the user moving the mouse and show the bar.
TEST(Fullscreen, SwitchingUnderAStillPointerLeavesTheBarHidden) {
    MainWindow w(kShown);
    SetWindowPos(w.window(), nullptr, 50, 40, 800, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(w.window());
    SetCursorPos(300, 250);  // over the video, windowed and fullscreen alike
    pump_messages();
    const auto synthesized_move = [&w] {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(w.window(), &cursor);
        w.send(WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
        pump_messages();
        return cursor;
    };
    for (const bool on : {true, false}) {
        set_fullscreen(w.app, on);
        pump_messages();
        const POINT cursor = synthesized_move();
        EXPECT_EQ(w.app.mode.last_mouse.x, cursor.x) << on;
        EXPECT_EQ(w.app.mode.last_mouse.y, cursor.y) << on;
        EXPECT_EQ(w.app.mode.bar_shown, !on);
    }
    // A real move still wakes it.
    set_fullscreen(w.app, true);
    pump_messages();
    const POINT cursor = synthesized_move();
    w.send(WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x + 5, cursor.y));
    EXPECT_TRUE(w.app.mode.bar_shown);
    set_fullscreen(w.app, false);
}

// A DPI change in fullscreen (a scale change, or a move to another monitor) suggests the old window
// scaled; the window must keep covering the monitor, and leaving still restores the windowed place.
TEST(Fullscreen, DpiChangeKeepsTheMonitorCovered) {
    MainWindow w;
    SetWindowPos(w.window(), nullptr, 50, 40, 800, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT before = window_rect(w.window());
    set_fullscreen(w.app, true);
    const RECT screen = monitor_of(w.window());
    RECT suggested{screen.left, screen.top, screen.left + (screen.right - screen.left) * 3 / 2,
                   screen.top + (screen.bottom - screen.top) * 3 / 2};
    EXPECT_EQ(w.send(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)), 0);
    EXPECT_EQ(w.app.windows.dpi, 144u);
    RECT full = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&full, &screen));
    EXPECT_EQ(w.child_rect(w.app.windows.video_window).bottom, w.client().bottom);
    EXPECT_EQ(w.send(WM_DPICHANGED, MAKEWPARAM(96, 96), 0), 0);
    full = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&full, &screen));
    set_fullscreen(w.app, false);
    const RECT after = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&after, &before));
}

TEST(Fullscreen, MaximizedComesBackMaximized) {
    MainWindow w(kShown);
    ShowWindow(w.window(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(w.window()));
    set_fullscreen(w.app, true);
    set_fullscreen(w.app, false);
    EXPECT_TRUE(IsZoomed(w.window()));
}

TEST(Placement, ClosingInFullscreenSavesThePreFullscreenRectangle) {
    MainWindow w;
    SetWindowPos(w.window(), nullptr, 70, 60, 820, 520, SWP_NOZORDER | SWP_NOACTIVATE);
    WINDOWPLACEMENT windowed{};
    windowed.length = sizeof windowed;
    GetWindowPlacement(w.window(), &windowed);
    set_fullscreen(w.app, true);
    w.send(WM_CLOSE);
    ASSERT_TRUE(w.app.settings.window_valid);
    const WindowRect& saved = w.app.settings.window_rect;
    EXPECT_EQ(saved, (WindowRect{windowed.rcNormalPosition.left, windowed.rcNormalPosition.top,
                                 windowed.rcNormalPosition.right, windowed.rcNormalPosition.bottom}));
    const RECT screen = monitor_of(GetDesktopWindow());
    EXPECT_FALSE(saved.left == screen.left && saved.right == screen.right && saved.bottom == screen.bottom);
    EXPECT_FALSE(w.app.settings.maximized);
}

TEST(Placement, MaximizedMinimizedAndNormal) {
    const struct {
        int show;
        bool maximized;
    } cases[] = {{SW_SHOWNORMAL, false}, {SW_MAXIMIZE, true}, {SW_MINIMIZE, false}};
    for (const auto& c : cases) {
        MainWindow w(kShown);
        w.app.settings.maximized = !c.maximized;
        ShowWindow(w.window(), c.show);
        pump_messages();
        capture_placement(w.app);
        EXPECT_TRUE(w.app.settings.window_valid) << c.show;
        EXPECT_EQ(w.app.settings.maximized, c.maximized) << c.show;
        WINDOWPLACEMENT now{};
        now.length = sizeof now;
        GetWindowPlacement(w.window(), &now);
        EXPECT_EQ(w.app.settings.window_rect, (WindowRect{now.rcNormalPosition.left, now.rcNormalPosition.top,
                                                          now.rcNormalPosition.right, now.rcNormalPosition.bottom}));
    }
}

TEST(Placement, EmptyRectangleChangesNothing) {
    MainWindow w;
    w.app.settings.window_valid = true;
    w.app.settings.window_rect = WindowRect{1, 2, 3, 4};
    w.app.settings.maximized = true;
    w.app.mode.fullscreen = true;  // capture from saved_placement, which we empty
    w.app.mode.saved_placement = WINDOWPLACEMENT{};
    w.app.mode.saved_placement.showCmd = SW_SHOWNORMAL;
    w.app.mode.saved_placement.rcNormalPosition = RECT{100, 100, 100, 300};
    w.app.playback.current_volume = 12;
    capture_placement(w.app);
    EXPECT_EQ(w.app.settings.window_rect, (WindowRect{1, 2, 3, 4}));
    EXPECT_TRUE(w.app.settings.maximized);
    EXPECT_DOUBLE_EQ(w.app.settings.volume, 12);  // volume and mute are still copied
    w.app.mode.fullscreen = false;
}

TEST(Placement, RestoreIgnoresARectangleOnNoMonitor) {
    MainWindow w;
    SetWindowPos(w.window(), nullptr, 30, 20, 700, 450, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT before = window_rect(w.window());
    Settings settings;
    settings.window_valid = true;
    settings.window_rect = WindowRect{-30000, -30000, -29000, -29500};
    restore_placement(settings, w.window());
    RECT after = window_rect(w.window());
    EXPECT_TRUE(EqualRect(&after, &before));

    settings.window_rect = WindowRect{10, 15, 610, 415};
    restore_placement(settings, w.window());
    WINDOWPLACEMENT now{};
    now.length = sizeof now;
    GetWindowPlacement(w.window(), &now);
    EXPECT_EQ(now.rcNormalPosition.left, 10);
    EXPECT_EQ(now.rcNormalPosition.bottom, 415);

    settings.window_valid = false;
    settings.window_rect = WindowRect{40, 40, 640, 440};
    restore_placement(settings, w.window());
    GetWindowPlacement(w.window(), &now);
    EXPECT_EQ(now.rcNormalPosition.left, 10);
}

TEST(AlwaysOnTop, SwitchesTopmostWritesAndTells) {
    MainWindow w;
    for (const bool on : {true, false, true}) {
        w.recorder.calls.clear();
        set_always_on_top(w.app, on);
        EXPECT_EQ(w.app.settings.always_on_top, on);
        EXPECT_EQ((GetWindowLongPtrW(w.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on);
        const std::string message = on ? "Always on top: on" : "Always on top: off";
        EXPECT_EQ(w.count_calls("async 0 [show-text] [" + message + "] [1500]"), 1u);
        const auto text = read_settings_file();
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(parse_settings(*text).always_on_top, on) << *text;
    }
    // Fullscreen leaves it alone.
    set_fullscreen(w.app, true);
    set_fullscreen(w.app, false);
    EXPECT_NE(GetWindowLongPtrW(w.window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST(AlwaysOnTop, WithoutCoreNoMessage) {
    MainWindow w(kNoCore);
    set_always_on_top(w.app, true);
    EXPECT_TRUE(w.app.settings.always_on_top);
    EXPECT_TRUE(w.recorder.calls.empty());
}

}  // namespace
