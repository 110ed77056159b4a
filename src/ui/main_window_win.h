// The main window: the single entry point for mouse, keyboard, timers, dropped files, the hand-off
// and the player core's wake-up. It decides nothing about playback itself.
#pragma once

#include "base/win32_win.h"

struct App;

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// WM_CLOSE: the orderly shutdown, once.
void close_sequence(App& app);
