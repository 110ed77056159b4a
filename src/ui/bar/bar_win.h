// The control bar window: painting, tooltips and the mouse handlers the main window calls.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/bar_input.h"
#include "app/colour_scheme.h"
#include "app/command.h"
#include "base/win32_win.h"
#include "player/track_list.h"
#include "ui/bar/bar_layout.h"

struct App;

LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The tooltip control with one tool per button (id + 1), texts in the active language. The layout of
// the main window's children gives the tools their rectangles.
void create_tooltips(App& app);

// Composes the whole bar, w x h, into dc at its origin.
void paint_bar(const App& app, HDC dc, int width, int height);
void paint_slider(HDC dc, uint32_t dpi, const Palette& palette, const BarRect& rect, double fraction, bool active,
                  COLORREF fill);

// Where the bar's buttons and drags send their commands. The mouse handlers take it as a parameter
// so that tests can watch the commands; the main window's handlers pass run_command.
using CommandRunner = void (*)(App&, const Command&);

// Hit code of a point in the main window's client area.
BarHit bar_hit_test(const App& app, int x, int y);
// Applies the pointer's x to the drag in progress; final is the release.
void drag_update(App& app, int x, bool final, CommandRunner run);

// Mouse messages of the main window (coordinates in its client area).
void bar_on_mouse_move(App& app, int x, int y);
void bar_on_button_down(App& app, int x, int y);
void bar_on_button_up(App& app, int x, int y);
void bar_on_double_click(App& app, int x, int y);
void bar_on_mouse_move(App& app, int x, int y, CommandRunner run);
void bar_on_button_down(App& app, int x, int y, CommandRunner run);
void bar_on_button_up(App& app, int x, int y, CommandRunner run);
void bar_on_double_click(App& app, int x, int y, CommandRunner run);
