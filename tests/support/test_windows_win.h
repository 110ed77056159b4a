// Real windows for tests of the main window's handlers: the main window class with its real
// procedure, and plain windows standing in for the bar, Help and About windows.
#pragma once

#include "base/win32_win.h"

// Registers "TarnwickLight.Main" with the real main window procedure (once per process) and a plain
// class for the stand-ins.
void register_test_classes();

// A top-level window of "TarnwickLight.Main"; the caller publishes g_app and sets main_window.
HWND create_main_window();

// A plain window; a child when parent is given, else a popup.
HWND create_plain_window(HWND parent, int width, int height);

// Destroys a window the test created, with g_app cleared first so the main window procedure does
// not post a quit message into the test's thread.
void destroy_test_window(HWND& window);
