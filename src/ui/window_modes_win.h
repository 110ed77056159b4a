// Windowed and fullscreen layouts, always on top, and the window placement kept in the settings.
#pragma once

#include "app/changes.h"
#include "base/win32_win.h"

struct App;
struct Settings;

// Bar height for the DPI: 44 pixels at 96 DPI.
int bar_height(const App& app);

// Places the video window and the control bar for the current mode and client size, and moves the
// bar's tooltip rectangles with them. A bar that shows is drawn again.
Changes layout_children(App& app);

// Requests that do not change the mode do nothing at all.
Changes set_fullscreen(App& app, bool on);
Changes set_always_on_top(App& app, bool on);
// After a DPI change in fullscreen: the window covers its monitor again.
void keep_fullscreen_after_dpi_change(App& app, const RECT* suggested);

// The normal-position rectangle, maximized state, volume and mute into the settings, then the file.
void capture_placement(App& app);

// At start: the saved rectangle when it still lies on a monitor.
void restore_placement(const Settings& settings, HWND main_window);

// In fullscreen: show the cursor and the bar again and restart the auto-hide count.
Changes auto_hide_wake_up(App& app);
// Timer 1.
Changes on_auto_hide_timer(App& app);
