#include "base/newer_api_win.h"

#include <shellscalingapi.h>

#include "base/dll_functions_win.h"

namespace {

constexpr uint32_t kDefaultDpi = 96;

// Absent functions stay null. Each table is resolved once, on first use.
TARNWICK_FUNCTION_TABLE(NewerUser32, user32, TARNWICK_NEWER_USER32, GetModuleHandleW(L"user32.dll"))
TARNWICK_FUNCTION_TABLE(Shcore, shcore, TARNWICK_SHCORE, load_system_library(L"shcore.dll"))

// LOGPIXELSY of the screen is the system DPI on every version; it is what Windows before 1607
// reports for the whole desktop.
uint32_t screen_dpi() {
    const HDC screen = GetDC(nullptr);
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : kDefaultDpi;
}

uint32_t monitor_dpi(HWND window) {
    const auto get_dpi = shcore().GetDpiForMonitor;
    if (!get_dpi) return 0;
    UINT dpi_x = 0;
    UINT dpi_y = 0;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (!monitor || FAILED(get_dpi(monitor, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y))) return 0;
    return dpi_y;
}

}  // namespace

void set_dpi_awareness() {
    if (const auto set = user32().SetProcessDpiAwarenessContext) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

uint32_t system_dpi() {
    if (const auto get = user32().GetDpiForSystem) {
        if (const UINT dpi = get(); dpi > 0) return dpi;
    }
    return screen_dpi();
}

uint32_t window_dpi(HWND window) {
    if (const auto get = user32().GetDpiForWindow) {
        if (const UINT dpi = get(window); dpi > 0) return dpi;
    }
    if (const uint32_t dpi = monitor_dpi(window)) return dpi;
    return screen_dpi();
}
