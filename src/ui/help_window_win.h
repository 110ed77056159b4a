// The Help window: the shortcuts in the active language.
#pragma once

#include "base/win32_win.h"
#include "ui/accessible_tree.h"

struct App;

LRESULT CALLBACK help_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Opens the Help window, or closes it when it is open.
void toggle_help(App& app);
// Closes it when open: help_window becomes null and the main window gets the focus back.
void close_help(App& app);

// After the main window's DPI changed: the open Help window measures and paints itself again.
void help_follow_dpi(App& app);

// The window's texts as a screen reader reads them: the title, each heading and row, the notes.
AccessibleTree help_accessible_tree(const App& app);

// Size the window needs for the current language and DPI, measured with the App's fonts.
SIZE help_window_size(const App& app);
// Composes the whole window, w x h, into dc at its origin.
void paint_help(const App& app, HDC dc, int width, int height);
