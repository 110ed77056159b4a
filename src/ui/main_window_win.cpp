// The main window procedure. Both children are disabled, so every mouse message over the video and
// the bar arrives here, and the window keeps the keyboard focus; the procedure routes each message
// to the module that acts on it.
#include "ui/main_window_win.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "app/app_state_win.h"
#include "app/colour_scheme_win.h"
#include "app/playback/event_pump_win.h"
#include "app/playback/playback_win.h"
#include "app/settings/settings_retry_win.h"
#include "app/shell/shell_win.h"
#include "app/shell/single_instance_win.h"
#include "base/wide_win.h"
#include "player/loader_win.h"
#include "player/wake_up_win.h"
#include "ui/access/accessibility_win.h"
#include "ui/bar/bar_access_win.h"
#include "ui/bar/bar_mouse_win.h"
#include "ui/bar/seek_preview_win.h"
#include "ui/cards/about_window_win.h"
#include "ui/cards/card_window_win.h"
#include "ui/cards/help_window_win.h"
#include "ui/fonts_win.h"
#include "ui/input/commands_win.h"
#include "ui/input/context_menu_win.h"
#include "ui/input/input_win.h"
#include "ui/state_changed_win.h"
#include "ui/window_modes.h"
#include "ui/window_modes_win.h"

namespace {

// A core still shutting down after this long is given up, and the process with it; what must be
// kept has been saved by then.
constexpr unsigned long kCoreShutdownWaitMs = 15000;

// TARNWICK_CORE_SHUTDOWN_WAIT_MS, a number of milliseconds, shortens the wait (for the tests).
unsigned long core_shutdown_wait_ms() {
    wchar_t text[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"TARNWICK_CORE_SHUTDOWN_WAIT_MS", text, 16);
    wchar_t* end = text;
    const unsigned long wait = length > 0 && length < 16 && iswdigit(text[0]) ? wcstoul(text, &end, 10) : 0;
    return end != text && *end == L'\0' ? std::min(wait, kCoreShutdownWaitMs) : kCoreShutdownWaitMs;
}

}  // namespace

// Caption button, Alt+F4 and the menu's Quit all end here. The settings are written before the
// window is hidden and the core destroyed, so that a slow core shutdown cannot lose them.
void close_sequence(App& app) {
    if (app.closing) return;
    app.closing = true;
    // Each through its own close, which also lets go of what screen readers were given.
    destroy_about(app);
    close_help(app);
    save_resume_position(app);
    capture_placement(app);
    ShowWindow(app.windows.main_window, SW_HIDE);
    shell_close(app);
    // The seek bar's pictures end beside the player, not after it.
    const std::shared_ptr<PreviewWorker> preview = std::move(app.preview.worker);
    stop_preview_worker(preview, 0);
    if (app.core) {
        const Core core = *app.core;
        app.core.reset();
        if (!destroy_core(core, core_shutdown_wait_ms())) {
            // The core is stuck on a thread of its own. The C runtime's exit would kill that thread
            // wherever it is and then run every DLL's detach code, which can wait forever for a lock
            // the killed thread held: a process without a window, holding the audio device.
            TerminateProcess(GetCurrentProcess(), 0);
        }
    }
    if (!stop_preview_worker(preview, core_shutdown_wait_ms())) TerminateProcess(GetCurrentProcess(), 0);
    on_retire_accessible(app);  // its posted message would not outlive the window
    DestroyWindow(app.windows.main_window);
}

namespace {

constexpr UINT kDropBufferUnits = 32768;

LRESULT on_erase_background(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    const HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &client, black);
    DeleteObject(black);
    return 1;
}

// Only the first file of a drop counts; its extension decides between subtitle track and video. A
// name too long for the buffer would come back cut short, naming some other file: it is ignored.
void on_drop_files(App& app, HDROP drop) {
    std::vector<wchar_t> buffer(kDropBufferUnits, L'\0');
    const UINT needed = DragQueryFileW(drop, 0, nullptr, 0);
    const UINT length = needed < kDropBufferUnits ? DragQueryFileW(drop, 0, buffer.data(), kDropBufferUnits) : 0;
    DragFinish(drop);
    if (length == 0 || length >= kDropBufferUnits) return;
    run_command(app, drop_command(narrow(std::wstring_view(buffer.data(), length))));
    SetForegroundWindow(app.windows.main_window);
}

// A DPI of 0 or a suggested rectangle with no area cannot be meant; the window keeps what it has and
// is only laid out again.
void on_dpi_changed(App& app, WPARAM wparam, const RECT* suggested) {
    const uint32_t dpi = HIWORD(wparam);
    if (dpi != 0) {
        app.windows.dpi = dpi;
        create_fonts(app);
    }
    const bool usable = suggested && suggested->right > suggested->left && suggested->bottom > suggested->top;
    if (app.mode.fullscreen)
        keep_fullscreen_after_dpi_change(app, usable ? suggested : nullptr);
    else if (usable)
        SetWindowPos(app.windows.main_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    Changes changes = layout_children(app) | kChangedShell;
    changes |= cards_follow_dpi(app);
    state_changed(app, changes);
}

// A right click on the title bar or the frame gets Windows' own window menu, as in every program;
// the player's menu belongs to the client area and to Shift+F10 and the menu key (-1, -1).
bool on_context_menu(App& app, HWND window, LPARAM lparam) {
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (point.x != -1 || point.y != -1) {
        POINT client_point = point;
        RECT client{};
        GetClientRect(window, &client);
        if (!ScreenToClient(window, &client_point) || !PtInRect(&client, client_point)) return false;
    }
    run_command(app, show_context_menu(app));
    return true;
}

// While a popup menu is open the auto-hide keeps the bar and the pointer, as for the Help window;
// once it closes the count starts again.
void on_menu_loop(App& app, HWND window, bool entering) {
    app.mode.menu_open = entering;
    if (!entering && app.mode.fullscreen) SetTimer(window, kTimerAutoHide, kAutoHideMs, nullptr);
}

void on_min_max_info(const App& app, MINMAXINFO* info) {
    if (!info) return;
    const MinTrackSize size = min_track_size(app.windows.dpi);
    info->ptMinTrackSize.x = size.width;
    info->ptMinTrackSize.y = size.height;
}

bool on_set_cursor(const App& app, LPARAM lparam) {
    if (LOWORD(lparam) != HTCLIENT) return false;
    SetCursor(app.mode.cursor_hidden ? nullptr : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

void on_mouse_leave(App& app) {
    app.bar.mouse_tracked = false;
    if (app.bar.hover_button != BarHit::none) {
        app.bar.hover_button = BarHit::none;
        state_changed(app, kChangedBar);
    }
}

// Another window took the capture: the drag ends where it is, without a final seek.
void on_capture_changed(App& app) {
    if (app.bar.drag == Drag::none) return;
    app.bar.drag = Drag::none;
    state_changed(app, kChangedBar);
}

// High contrast switched, or the system colours changed: every owner-drawn window repaints with the
// palette read again.
void on_colours_changed(App& app) {
    app.windows.palette = system_palette();
    state_changed(app, kChangedBar | kChangedHelp | kChangedAbout);
}

void on_end_session(App& app, WPARAM ending) {
    if (!ending) return;
    save_resume_position(app);
    capture_placement(app);
}

bool on_timer(App& app, WPARAM id) {
    if (id == kTimerAutoHide) {
        state_changed(app, on_auto_hide_timer(app));
        return true;
    }
    if (id == kTimerResumeSave) {
        if (app.playback.file_loaded && !app.playback.paused) save_resume_position(app);
        return true;
    }
    if (id == kTimerTaskbarError) {
        on_taskbar_error_timer(app);
        return true;
    }
    if (id == kTimerRecentDocuments) {
        on_recent_documents_timer(app);
        return true;
    }
    if (id == kTimerSettingsRetry) {
        on_settings_retry_timer(app);
        return true;
    }
    return false;
}

// Once per drain: the taskbar and the overlay follow what the bar now shows.
void on_core_wake_up(App& app) {
    const bool repaint = pump_events(app);
    state_changed(app, repaint ? kChangedPlayback : kChangedShell);
}

// A file handed over by another copy of the program opens here, as a dropped file does.
LRESULT on_copy_data_message(App& app, const COPYDATASTRUCT* data) {
    const std::optional<Command> handed = on_copy_data(app, data);
    if (!handed) return 0;
    run_command(app, *handed);
    return 1;
}

LRESULT dispatch(App& app, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Signed 16-bit halves: positions left of or above the client area are negative.
    const int x = GET_X_LPARAM(lparam);
    const int y = GET_Y_LPARAM(lparam);
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            state_changed(app, layout_children(app));
            return 0;
        case WM_ACTIVATE:
            // While the Help window is open it keeps the focus it was given.
            if (LOWORD(wparam) == WA_INACTIVE) hide_seek_preview(app);
            if (LOWORD(wparam) != WA_INACTIVE && !app.windows.help) SetFocus(window);
            return 0;
        case WM_CLOSE:
            close_sequence(app);
            return 0;
        case WM_ERASEBKGND:
            return on_erase_background(window, reinterpret_cast<HDC>(wparam));
        case WM_ENDSESSION:
            on_end_session(app, wparam);
            return 0;
        case WM_SETCURSOR:
            if (on_set_cursor(app, lparam)) return 1;
            break;
        case WM_GETMINMAXINFO:
            on_min_max_info(app, reinterpret_cast<MINMAXINFO*>(lparam));
            return 0;
        case WM_COPYDATA:
            // A copy starting while this one closes must open its own window.
            if (app.closing) return 0;
            return on_copy_data_message(app, reinterpret_cast<const COPYDATASTRUCT*>(lparam));
        case WM_COMMAND:
            if (const auto command = thumb_button_command(wparam)) {
                run_command(app, *command);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (on_context_menu(app, window, lparam)) return 0;
            break;
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
            on_menu_loop(app, window, message == WM_ENTERMENULOOP);
            return 0;
        case WM_KEYDOWN:
            if (on_main_key_down(app, wparam)) return 0;
            break;
        case WM_CHAR:
            on_char(app, wparam);
            return 0;
        case WM_SYSKEYDOWN:
            if (on_alt_key_down(app, wparam)) return 0;
            break;
        case WM_SYSCHAR:
            // The carriage return that follows Alt+Enter would otherwise beep.
            if (wparam == '\r') return 0;
            break;
        case WM_TIMER:
            if (on_timer(app, wparam)) return 0;
            break;
        case WM_MOUSEMOVE:
            state_changed(app, bar_on_mouse_move(app, x, y, run_command));
            return 0;
        case WM_LBUTTONDOWN:
            state_changed(app, bar_on_button_down(app, x, y, run_command));
            return 0;
        case WM_LBUTTONUP:
            state_changed(app, bar_on_button_up(app, x, y, run_command));
            return 0;
        case WM_LBUTTONDBLCLK:
            state_changed(app, bar_on_double_click(app, x, y, run_command));
            return 0;
        case WM_MOUSEWHEEL:
            on_mouse_wheel(app, wparam);
            return 0;
        case WM_CAPTURECHANGED:
            on_capture_changed(app);
            return 0;
        case WM_DROPFILES:
            on_drop_files(app, reinterpret_cast<HDROP>(wparam));
            return 0;
        case WM_MOUSELEAVE:
            on_mouse_leave(app);
            return 0;
        case WM_APPCOMMAND:
            // Volume, browser and track keys go on to default processing, which hands them to the
            // shell: the system volume keys keep working.
            if (const auto command = media_key_command(app, lparam)) {
                run_command(app, *command);
                return TRUE;
            }
            break;
        case WM_DPICHANGED:
            on_dpi_changed(app, wparam, reinterpret_cast<const RECT*>(lparam));
            return 0;
        case kMsgCoreWakeUp:
            on_core_wake_up(app);
            return 0;
        case kMsgCloseCard:
            close_asked_cards(app);
            return 0;
        case kMsgAccessibleAction:
            run_command(app, bar_request_command(app, decode_accessible_request(wparam, lparam)));
            return 0;
        case kMsgSeekPreviewPicture:
            on_seek_preview_picture(app);
            return 0;
        case kMsgRetireAccessible:
            on_retire_accessible(app);
            return 0;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            on_colours_changed(app);
            break;
        case kMsgOverlayButton:
            run_command(app, overlay_button_command(wparam));
            return 0;
        default:
            // "TaskbarButtonCreated" has a number only known at run time.
            if (is_taskbar_created(app, message)) {
                on_taskbar_created(app);
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Messages of window creation arrive before start-up has published the App state and set
    // main_window; they all get default processing.
    App* app = g_app;
    if (!app || !app->windows.main_window || app->windows.main_window != window)
        return DefWindowProcW(window, message, wparam, lparam);
    return dispatch(*app, window, message, wparam, lparam);
}
