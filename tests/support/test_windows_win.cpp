#include "support/test_windows_win.h"

#include "app/app_state_win.h"
#include "app/names_win.h"
#include "top/startup_win.h"
#include "ui/main_window_win.h"

void register_test_classes() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    register_classes(instance);  // the program's own, the main window's among them

    WNDCLASSEXW plain{};
    plain.cbSize = sizeof plain;
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = instance;
    plain.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    plain.lpszClassName = L"TarnwickLight.TestPlain";
    RegisterClassExW(&plain);
}

HWND create_main_window() {
    register_test_classes();
    return CreateWindowExW(0, kMainWindowClass, kProductNameWide, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 640,
                           400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND create_plain_window(HWND parent, int width, int height) {
    register_test_classes();
    const DWORD style = parent ? (WS_CHILD | WS_VISIBLE) : (WS_POPUP | WS_VISIBLE);
    return CreateWindowExW(0, L"TarnwickLight.TestPlain", nullptr, style, 0, 0, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void destroy_test_window(HWND& window) {
    g_app = nullptr;
    if (window) DestroyWindow(window);
    window = nullptr;
}
