// The About window shown at start unless the user asked not to see it again.
#pragma once

#include "app/command.h"
#include "base/win32_win.h"
#include "ui/cards/about_layout.h"

struct App;

LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Opens it, or brings it to the front; the window's own commands go to `run`.
void show_about(App& app, CommandRunner run);
// Destroys the About window and releases its state, when it is open.
void destroy_about(App& app);

// Bitmap resource 2 of a module, or null.
HBITMAP load_logo(HINSTANCE module);
// The logo scaled into dest, smoothly.
void draw_logo(HDC dc, HBITMAP logo, const RECT& dest);
