#include "about_window_win.h"

#include "app_state_win.h"

// The About window comes with the control-bar and windows work.
LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

void show_about(App&) {}

void destroy_about(App& app) {
    if (!app.about) return;
    if (app.about->window) DestroyWindow(app.about->window);
    app.about.reset();
}
