// The control bar window: painting, fonts, tooltips and the mouse handlers the main window calls.
#pragma once

#include "win32_win.h"

struct App;

LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Deletes the five fonts that exist and creates them for app.dpi.
void create_fonts(App& app);
void create_tooltips(App& app);

// Mouse messages of the main window (coordinates in its client area).
void bar_on_mouse_move(App& app, int x, int y);
void bar_on_button_down(App& app, int x, int y);
void bar_on_button_up(App& app, int x, int y);
void bar_on_double_click(App& app, int x, int y);
