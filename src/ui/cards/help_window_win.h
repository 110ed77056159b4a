// The Help window: the shortcuts in the active language.
#pragma once

#include "app/command.h"
#include "base/win32_win.h"

struct App;

LRESULT CALLBACK help_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Opens the Help window, or closes it when it is open; the window's own commands go to `run`.
void toggle_help(App& app, CommandRunner run);
// Closes it when open; the main window gets the focus back.
void close_help(App& app);
