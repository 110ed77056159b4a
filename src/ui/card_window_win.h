// Placement shared by the Help and About windows, the borderless cards shown over the main window.
#pragma once

#include "base/win32_win.h"

// A window of `size` centred over `owner`, moved as little as needed to stay in the work area of the
// owner's monitor.
RECT centred_over(HWND owner, SIZE size);
