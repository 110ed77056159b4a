#include "ui/bar/bar_win.h"

#include "app/app_state_win.h"
#include "base/gdi_win.h"
#include "ui/bar/bar_access_win.h"
#include "ui/bar/bar_paint_win.h"

LRESULT CALLBACK bar_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const App* app = g_app;
    const auto paint = [app](HDC dc, int width, int height) { paint_bar(*app, dc, width, height); };
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (!app) break;
            {
                const PaintScope scope(window);
                paint_buffered(window, scope.dc(), g_app->windows.bar_canvas, paint);
            }
            refresh_bar_access(*app);
            return 0;
        case WM_PRINTCLIENT:
            if (!app) break;
            paint_buffered(window, reinterpret_cast<HDC>(wparam), paint);
            return 0;
        case WM_GETOBJECT:
            if (!g_app || g_app->windows.bar_window != window) break;
            if (const auto answer = bar_on_get_object(*g_app, wparam, lparam)) return *answer;
            break;
        case WM_DESTROY:
            if (g_app) {
                retire_accessible(*g_app, &Accessibility::bar, window);
                g_app->windows.bar_canvas.release();
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
