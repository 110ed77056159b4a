// The two window modes and the always-on-top switch. Fullscreen is a borderless window the size of
// the monitor (taskbar included); the placement it replaces is kept so that leaving, and closing while
// fullscreen, both use the window as the user last arranged it.
#include "ui/window_modes_win.h"

#include "app/app_state_win.h"
#include "app/preferences_win.h"
#include "app/settings/settings_retry_win.h"
#include "ui/bar/bar_layout.h"
#include "ui/window_modes.h"

namespace {

// WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX.
constexpr LONG_PTR kFrameStyles = 0x00CF0000;
static_assert(kFrameStyles == (WS_OVERLAPPEDWINDOW & ~WS_OVERLAPPED));

// The tooltip control's tool rectangles follow the buttons; a hidden bar gets empty ones so that no
// tooltip can pop up over the video.
void move_tooltip_rects(const App& app, const BarLayout& bar, const ChildLayout& layout) {
    if (!app.windows.tooltip_window) return;
    static_assert(sizeof(TOOLINFOW) == 72);
    for (const BarButton& button : bar.buttons) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = app.windows.main_window;
        tool.uId = static_cast<UINT_PTR>(button.id) + 1;
        if (layout.bar_visible)
            tool.rect = RECT{button.rect.left, button.rect.top + layout.bar_top, button.rect.right,
                             button.rect.bottom + layout.bar_top};
        SendMessageW(app.windows.tooltip_window, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

RECT monitor_rect(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info.rcMonitor;
}

void cover(HWND window, const RECT& screen, UINT flags) {
    SetWindowPos(window, HWND_TOP, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                 SWP_NOOWNERZORDER | flags);
}

// Moving the window under a still pointer makes Windows send a WM_MOUSEMOVE whose client position
// changed with the client origin; it must not count as the user moving the mouse and wake the bar.
void remember_pointer(App& app) {
    POINT cursor{};
    if (GetCursorPos(&cursor) && ScreenToClient(app.windows.main_window, &cursor)) app.mode.last_mouse = cursor;
}

Changes enter_fullscreen(App& app) {
    const HWND window = app.windows.main_window;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    app.mode.saved_placement = WINDOWPLACEMENT{};
    app.mode.saved_placement.length = sizeof app.mode.saved_placement;
    GetWindowPlacement(window, &app.mode.saved_placement);
    const RECT screen = monitor_rect(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));

    app.mode.fullscreen = true;
    app.mode.bar_shown = false;
    SetWindowLongPtrW(window, GWL_STYLE, style & ~kFrameStyles);
    cover(window, screen, SWP_FRAMECHANGED);
    remember_pointer(app);
    SetTimer(window, kTimerAutoHide, kAutoHideMs, nullptr);
    layout_children(app);
    return kChangedBar;
}

Changes leave_fullscreen(App& app) {
    const HWND window = app.windows.main_window;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    app.mode.fullscreen = false;
    app.mode.bar_shown = true;
    app.mode.cursor_hidden = false;
    KillTimer(window, kTimerAutoHide);
    SetWindowLongPtrW(window, GWL_STYLE, style | kFrameStyles);
    SetWindowPlacement(window, &app.mode.saved_placement);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    remember_pointer(app);
    layout_children(app);
    return kChangedBar;
}

}  // namespace

// The suggested rectangle is the old window scaled, which no longer matches the monitor; the window
// covers the monitor the rectangle lies on (the one it was moved to) instead. The windowed placement
// kept for leaving is in workspace coordinates and stays valid.
void keep_fullscreen_after_dpi_change(App& app, const RECT* suggested) {
    const HMONITOR monitor = suggested ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromWindow(app.windows.main_window, MONITOR_DEFAULTTONEAREST);
    cover(app.windows.main_window, monitor_rect(monitor), SWP_NOACTIVATE);
    remember_pointer(app);
}

int bar_height(const App& app) { return bar_height_for(app.windows.dpi); }

Changes layout_children(App& app) {
    if (!app.windows.video_window) return kChangedNothing;
    RECT client{};
    GetClientRect(app.windows.main_window, &client);
    const int32_t width = client.right;
    const int32_t height = client.bottom;
    const ChildLayout layout = compute_child_layout(app.windows.dpi, height, app.mode.fullscreen, app.mode.bar_shown);
    const BarLayout bar = compute_bar_layout(app.windows.dpi, width, layout.bar_height);
    // The event pump repaints the bar when its fill moves a whole pixel of this width; a hidden bar
    // paints nothing, so then only its clock counts.
    app.playback.seek_bar_width = layout.bar_visible ? bar.seek_rect.right - bar.seek_rect.left : 0;
    SetWindowPos(app.windows.video_window, nullptr, 0, 0, width, layout.video_height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (layout.bar_visible)
        SetWindowPos(app.windows.bar_window, HWND_TOP, 0, layout.bar_top, width, layout.bar_height,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    else
        ShowWindow(app.windows.bar_window, SW_HIDE);
    move_tooltip_rects(app, bar, layout);
    return layout.bar_visible ? kChangedBar : kChangedNothing;
}

Changes set_fullscreen(App& app, bool on) {
    if (on == app.mode.fullscreen || !app.windows.main_window) return kChangedNothing;
    return on ? enter_fullscreen(app) : leave_fullscreen(app);
}

Changes set_always_on_top(App& app, bool on) {
    SetWindowPos(app.windows.main_window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return set_switch(app, kAlwaysOnTopSwitch, on);
}

void capture_placement(App& app) {
    WINDOWPLACEMENT placement{};
    if (app.mode.fullscreen) {
        placement = app.mode.saved_placement;
    } else {
        placement.length = sizeof placement;
        if (!GetWindowPlacement(app.windows.main_window, &placement)) placement = WINDOWPLACEMENT{};
    }
    const RECT& normal = placement.rcNormalPosition;
    if (normal.right > normal.left && normal.bottom > normal.top) {
        app.settings.window_valid = true;
        app.settings.window_rect = WindowRect{normal.left, normal.top, normal.right, normal.bottom};
        app.settings.maximized = placement.showCmd == SW_SHOWMAXIMIZED;
    }
    app.settings.volume = app.playback.current_volume;
    app.settings.mute = app.playback.muted;
    save_settings_before_exit(app, settings_key::at_close);
}

void restore_placement(const Settings& settings, HWND main_window) {
    if (!settings.window_valid) return;
    const RECT rect{settings.window_rect.left, settings.window_rect.top, settings.window_rect.right,
                    settings.window_rect.bottom};
    if (!MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.rcNormalPosition = rect;
    SetWindowPlacement(main_window, &placement);
}

Changes auto_hide_wake_up(App& app) {
    if (!app.mode.fullscreen) return kChangedNothing;
    if (app.mode.cursor_hidden) {
        app.mode.cursor_hidden = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    Changes changes = kChangedNothing;
    if (!app.mode.bar_shown) {
        app.mode.bar_shown = true;
        changes = layout_children(app);
    }
    SetTimer(app.windows.main_window, kTimerAutoHide, kAutoHideMs, nullptr);
    return changes;
}

// Timer 1 fires once per arming: it is killed first and re-armed only while the bar must stay.
Changes on_auto_hide_timer(App& app) {
    KillTimer(app.windows.main_window, kTimerAutoHide);
    if (!app.mode.fullscreen) return kChangedNothing;
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(app.windows.main_window, &cursor);
    RECT client{};
    GetClientRect(app.windows.main_window, &client);

    AutoHideInputs inputs;
    inputs.bar_shown = app.mode.bar_shown;
    inputs.cursor_in_bar_strip = in_bar_strip(app.windows.dpi, client.right, client.bottom, cursor.x, cursor.y);
    inputs.over_bar_target = app.bar.hover_button != BarHit::none;
    inputs.dragging = app.bar.drag != Drag::none;
    inputs.help_open = app.windows.help != nullptr;
    inputs.menu_open = app.mode.menu_open;
    if (auto_hide_keeps_bar(inputs)) {
        SetTimer(app.windows.main_window, kTimerAutoHide, kAutoHideMs, nullptr);
        return kChangedNothing;
    }
    app.mode.bar_shown = false;
    app.bar.hover_button = BarHit::none;
    // Hiding the cursor of a window in the background would hide it over someone else's window.
    if (GetForegroundWindow() == app.windows.main_window) {
        app.mode.cursor_hidden = true;
        SetCursor(nullptr);
    }
    return layout_children(app);
}
