#include "support/test_windows_win.h"

#include "app/app_state_win.h"
#include "ui/main_window_win.h"

void register_test_classes() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW main_class{};
    main_class.cbSize = sizeof main_class;
    main_class.style = CS_DBLCLKS;
    main_class.lpfnWndProc = main_window_proc;
    main_class.hInstance = instance;
    main_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    main_class.lpszClassName = L"TarnwickLight.Main";
    RegisterClassExW(&main_class);

    WNDCLASSEXW plain = main_class;
    plain.style = 0;
    plain.lpfnWndProc = DefWindowProcW;
    plain.lpszClassName = L"TarnwickLight.TestPlain";
    RegisterClassExW(&plain);
}

HWND create_main_window() {
    register_test_classes();
    return CreateWindowExW(0, L"TarnwickLight.Main", L"Tarnwick Light", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                           640, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
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
