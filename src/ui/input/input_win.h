// Keyboard, wheel and timer input of the main window.
#pragma once

#include "base/win32_win.h"
#include "ui/input/input.h"

struct App;

// The command of a key with the modifiers as GetKeyState reports them now.
Command current_key_command(WPARAM key);

// WM_KEYDOWN: true when the key is bound (the window procedure then returns 0).
bool on_main_key_down(App& app, WPARAM key);
// WM_SYSKEYDOWN: true when the window acts on the Alt key; the others keep Windows' meaning.
bool on_alt_key_down(App& app, WPARAM key);
// WM_CHAR.
void on_char(App& app, WPARAM character);
// WM_MOUSEWHEEL: the auto-hide wake-up, then one volume step.
void on_mouse_wheel(App& app, WPARAM wparam);
