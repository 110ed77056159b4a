#include "window_modes_win.h"

#include "../main/number_format.h"
#include "app_state_win.h"
#include "settings_win.h"

int bar_height(const App& app) { return scale_px(44, app.dpi); }

void layout_children(App& app) {
    if (!app.video_window) return;
    RECT client{};
    GetClientRect(app.main_window, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int bar = bar_height(app);
    const int video_height = app.fullscreen ? height : (height - bar > 0 ? height - bar : 0);
    SetWindowPos(app.video_window, nullptr, 0, 0, width, video_height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!app.fullscreen || app.bar_shown) {
        SetWindowPos(app.bar_window, HWND_TOP, 0, height - bar, width, bar, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        InvalidateRect(app.bar_window, nullptr, FALSE);
    } else {
        ShowWindow(app.bar_window, SW_HIDE);
    }
}

// Fullscreen, always on top and the placement capture come with the window-modes work.
void set_fullscreen(App&, bool) {}
void set_always_on_top(App&, bool) {}

void capture_placement(App& app) {
    app.settings.volume = app.playback.current_volume;
    app.settings.mute = app.playback.muted;
    save_settings(app.settings);
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
