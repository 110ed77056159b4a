#include "main_window_win.h"


#include "../mpv/event_pump_win.h"
#include "../mpv/playback_win.h"
#include "about_window_win.h"
#include "app_state_win.h"
#include "bar_win.h"
#include "context_menu_win.h"
#include "input_win.h"
#include "settings_win.h"
#include "single_instance_win.h"
#include "window_modes_win.h"

void close_sequence(App& app) {
    if (app.closing) return;
    app.closing = true;
    destroy_about(app);
    if (app.help_window) {
        DestroyWindow(app.help_window);
        app.help_window = nullptr;
    }
    save_resume_point(app);
    capture_placement(app);
    ShowWindow(app.main_window, SW_HIDE);
    if (app.core) {
        app.core->api.mpv_terminate_destroy(app.core->handle);
        app.core.reset();
    }
    DestroyWindow(app.main_window);
}

namespace {

LRESULT on_erase_background(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    const HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &client, black);
    DeleteObject(black);
    return 1;
}

LRESULT dispatch(App& app, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const int x = GET_X_LPARAM(lparam);
    const int y = GET_Y_LPARAM(lparam);
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        layout_children(app);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) != WA_INACTIVE && !app.help_window) SetFocus(window);
        return 0;
    case WM_CLOSE:
        close_sequence(app);
        return 0;
    case WM_ERASEBKGND:
        return on_erase_background(window, reinterpret_cast<HDC>(wparam));
    case WM_COPYDATA:
        return on_copy_data(app, reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case WM_CONTEXTMENU:
        show_context_menu(app);
        return 0;
    case WM_KEYDOWN:
        if (on_key_down(app, wparam)) return 0;
        break;
    case WM_CHAR:
        on_char(app, wparam);
        return 0;
    case WM_TIMER:
        if (wparam == kTimerAutoHide) {
            on_auto_hide_timer(app);
            return 0;
        }
        if (wparam == kTimerResumeSave) {
            if (app.playback.file_loaded && !app.playback.paused) save_resume_point(app);
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        bar_on_mouse_move(app, x, y);
        return 0;
    case WM_LBUTTONDOWN:
        bar_on_button_down(app, x, y);
        return 0;
    case WM_LBUTTONUP:
        bar_on_button_up(app, x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
        bar_on_double_click(app, x, y);
        return 0;
    case WM_MOUSEWHEEL:
        on_mouse_wheel(app, wparam);
        return 0;
    case kMsgCoreWakeUp:
        pump_events(app);
        return 0;
    case kMsgCloseAbout:
        if (app.about && app.about->to_close) {
            destroy_about(app);
            SetFocus(window);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Messages of window creation arrive before start-up has published the App state and set
    // main_window; they all get default processing.
    App* app = g_app;
    if (!app || !app->main_window) return DefWindowProcW(window, message, wparam, lparam);
    return dispatch(*app, window, message, wparam, lparam);
}
