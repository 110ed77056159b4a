#include "bar_win.h"

#include "app_state_win.h"

// Painting, tooltips and the bar's mouse handling come with the control-bar work.
LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcW(window, message, wparam, lparam);
}

void create_fonts(App&) {}
void create_tooltips(App&) {}
void bar_on_mouse_move(App&, int, int) {}
void bar_on_button_down(App&, int, int) {}
void bar_on_button_up(App&, int, int) {}
void bar_on_double_click(App&, int, int) {}
