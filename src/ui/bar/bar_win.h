// The control bar window. It is disabled, so it never takes input: it paints, and answers screen
// readers.
#pragma once

#include "base/win32_win.h"

LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
