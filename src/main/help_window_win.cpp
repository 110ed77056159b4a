#include "help_window_win.h"

#include "app_state_win.h"

// The Help window comes with the control-bar and windows work.
LRESULT CALLBACK help_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

void toggle_help(App&) {}
