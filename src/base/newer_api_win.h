// Functions of user32 and shcore that the program uses but that not every supported Windows has.
// They are resolved at run time (base/dll_functions_win.h); scripts/check-imports keeps them out of
// the static imports.
#pragma once

#include <cstdint>

#include "base/win32_win.h"

// The entry points newer than Windows 10 1507. user32 is imported statically, so it is always
// loaded.
#define TARNWICK_NEWER_USER32(X)     \
    X(SetProcessDpiAwarenessContext) \
    X(GetDpiForSystem)               \
    X(GetDpiForWindow)

// Windows 8.1's per-monitor DPI, asked only where GetDpiForWindow is missing, so shcore is loaded
// only there.
#define TARNWICK_SHCORE(X) X(GetDpiForMonitor)

// Per-monitor (version 2) awareness where the call exists; elsewhere the manifest has already set
// the best awareness the system knows.
void set_dpi_awareness();
// The DPI of the primary monitor at start-up.
uint32_t system_dpi();
// The DPI the window is drawn at: its monitor's on a per-monitor aware system.
uint32_t window_dpi(HWND window);
