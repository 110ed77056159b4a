// Functions of user32 and shcore that the program uses but that not every supported Windows has.
// They are resolved at run time: a static import of a function the system lacks makes the loader
// refuse the whole program before it can say anything. scripts/check-imports keeps it that way.
#pragma once

#include <cstdint>

#include "base/win32_win.h"

// The entry points newer than Windows 10 1507 (user32), and GetDpiForMonitor (shcore), which is
// not loaded unless something asks for it.
#define TARNWICK_NEWER_USER32(X)     \
    X(SetProcessDpiAwarenessContext) \
    X(GetDpiForSystem)               \
    X(GetDpiForWindow)

struct NewerApi {
#define TARNWICK_DECLARE_NEWER(name) decltype(&::name) name = nullptr;
    TARNWICK_NEWER_USER32(TARNWICK_DECLARE_NEWER)
#undef TARNWICK_DECLARE_NEWER
};

// What this system's user32 offers; absent functions stay null.
NewerApi resolve_newer_api();

// Per-monitor (version 2) awareness where the call exists; elsewhere the manifest has already set
// the best awareness the system knows.
void set_dpi_awareness(const NewerApi& api);
// The DPI of the primary monitor at start-up.
uint32_t system_dpi(const NewerApi& api);
// The DPI the window is drawn at: its monitor's on a per-monitor aware system.
uint32_t window_dpi(const NewerApi& api, HWND window);

// The same, resolving the table on each call: they run at start-up and on DPI changes only.
inline uint32_t system_dpi() { return system_dpi(resolve_newer_api()); }
inline uint32_t window_dpi(HWND window) { return window_dpi(resolve_newer_api(), window); }
