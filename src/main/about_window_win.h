// The About window shown at start unless the user asked not to see it again.
#pragma once

#include "win32_win.h"

struct App;

struct AboutWindow {
    HWND window = nullptr;
    bool to_close = false;  // set by the window; the main window destroys it on kMsgCloseAbout
};

LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

void show_about(App& app);
// Destroys the About window and releases its state, when it is open.
void destroy_about(App& app);
