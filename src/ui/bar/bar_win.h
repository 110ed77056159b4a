// The control bar window: painting, tooltips and the mouse handlers the main window calls.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/bar_input.h"
#include "app/colour_scheme.h"
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

// What the bar's buttons and drags set off. The mouse handlers take them as a parameter so that tests
// can watch them; the main window's handlers use bar_actions().
struct BarActions {
    void (*open_video)(App&);
    void (*toggle_pause)(App&);
    void (*seek_relative)(App&, int32_t);
    void (*toggle_mute)(App&);
    void (*set_volume)(App&, double, bool);
    void (*show_track_menu)(App&, TrackKind);
    void (*set_always_on_top)(App&, bool);
    void (*set_fullscreen)(App&, bool);
    void (*toggle_help)(App&);
};
const BarActions& bar_actions();

// Hit code of a point in the main window's client area.
BarHit bar_hit_test(const App& app, int x, int y);
void activate_button(App& app, uint8_t id, const BarActions& actions);
// Applies the pointer's x to the drag in progress; final is the release.
void drag_update(App& app, int x, bool final, const BarActions& actions);

// Mouse messages of the main window (coordinates in its client area).
void bar_on_mouse_move(App& app, int x, int y);
void bar_on_button_down(App& app, int x, int y);
void bar_on_button_up(App& app, int x, int y);
void bar_on_double_click(App& app, int x, int y);
void bar_on_mouse_move(App& app, int x, int y, const BarActions& actions);
void bar_on_button_down(App& app, int x, int y, const BarActions& actions);
void bar_on_button_up(App& app, int x, int y, const BarActions& actions);
void bar_on_double_click(App& app, int x, int y, const BarActions& actions);
