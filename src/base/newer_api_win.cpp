#include "base/newer_api_win.h"

#include <shellscalingapi.h>

namespace {

constexpr uint32_t kDefaultDpi = 96;

// LOGPIXELSY of the screen is the system DPI on every version; it is what Windows before 1607
// reports for the whole desktop.
uint32_t screen_dpi() {
    const HDC screen = GetDC(nullptr);
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : kDefaultDpi;
}

// Windows 8.1 and later have GetDpiForMonitor; shcore is loaded only for this call, only on
// systems without GetDpiForWindow.
uint32_t monitor_dpi(HWND window) {
    const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!shcore) return 0;
    UINT dpi_x = 0;
    UINT dpi_y = 0;
    const auto get_dpi = reinterpret_cast<decltype(&::GetDpiForMonitor)>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (!get_dpi || !monitor || FAILED(get_dpi(monitor, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y))) dpi_y = 0;
    FreeLibrary(shcore);
    return dpi_y;
}

}  // namespace

NewerApi resolve_newer_api() {
    NewerApi api;
    // user32 is imported statically, so it is always loaded.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return api;
#define TARNWICK_RESOLVE_NEWER(name) \
    api.name = reinterpret_cast<decltype(api.name)>(reinterpret_cast<void*>(GetProcAddress(user32, #name)));
    TARNWICK_NEWER_USER32(TARNWICK_RESOLVE_NEWER)
#undef TARNWICK_RESOLVE_NEWER
    return api;
}

void set_dpi_awareness(const NewerApi& api) {
    if (api.SetProcessDpiAwarenessContext)
        api.SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

uint32_t system_dpi(const NewerApi& api) {
    if (api.GetDpiForSystem) {
        const UINT dpi = api.GetDpiForSystem();
        if (dpi > 0) return dpi;
    }
    return screen_dpi();
}

uint32_t window_dpi(const NewerApi& api, HWND window) {
    if (api.GetDpiForWindow) {
        const UINT dpi = api.GetDpiForWindow(window);
        if (dpi > 0) return dpi;
    }
    if (const uint32_t dpi = monitor_dpi(window)) return dpi;
    return screen_dpi();
}
