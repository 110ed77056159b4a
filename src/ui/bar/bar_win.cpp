#include "ui/bar/bar_win.h"

#include "app/app_state_win.h"
#include "base/gdi_win.h"
#include "ui/accessibility_win.h"

namespace {

// WM_PAINT and WM_PRINTCLIENT both compose in memory and copy once.
void paint_buffered(const App& app, HWND window, HDC target) {
    RECT client{};
    GetClientRect(window, &client);
    const MemoryCanvas canvas(target, client.right, client.bottom);
    if (!canvas.ok()) return;
    paint_bar(app, canvas.dc(), client.right, client.bottom);
    canvas.copy_to(target, client.right, client.bottom);
}

}  // namespace

// The bar never takes input (it is disabled; the main window gets its mouse messages), so painting
// is all it does.
LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const App* app = g_app;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (!app) break;
            {
                const PaintScope paint(window);
                paint_buffered(*app, window, paint.dc());
            }
            refresh_bar_access(*app);
            return 0;
        case WM_PRINTCLIENT:
            if (!app) break;
            paint_buffered(*app, window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_GETOBJECT:
            if (!g_app || g_app->windows.bar_window != window) break;
            if (const auto answer = bar_on_get_object(*g_app, wparam, lparam)) return *answer;
            break;
        case WM_DESTROY:
            if (g_app) retire_accessible(*g_app, &Accessibility::bar, window);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
