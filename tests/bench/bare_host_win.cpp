// The benchmark's yardstick: the least a Windows program must do to play a file with libmpv the way
// Tarnwick Light does. It loads and configures the player core with the player's own code (the same
// 25 options, the user's extra options, the eight observed properties), renders into a plain child
// window of the same size as the player's video area, loads the file, drains events on each wake-up
// and ends on WM_CLOSE. No bar, no menus, no settings file, no playback state.
//
//   bare_host [--options "name=value;..."] FILE
#include <atomic>
#include <string>
#include <variant>

#include "base/dpi_scale.h"
#include "base/number_format.h"
#include "base/utf.h"
#include "base/wide_win.h"
#include "base/win32_win.h"
#include "player/commands.h"
#include "player/configure.h"
#include "player/loader_win.h"
#include "ui/window_modes.h"

namespace {

constexpr UINT kMsgWakeUp = WM_APP + 1;
constexpr wchar_t kClassName[] = L"TarnwickBench.Host";
constexpr wchar_t kVideoClassName[] = L"TarnwickBench.Video";

// Written by the core's threads (the flag) and by start-up (the rest), read by the window procedure.
struct Host {
    std::atomic<bool> wake_up_pending{false};
    HWND window = nullptr;
    HWND video = nullptr;
    Core core;
    bool core_alive = false;
};
Host g_host;

void wake_up(void* data) {
    if (!g_host.wake_up_pending.exchange(true)) PostMessageW(static_cast<HWND>(data), kMsgWakeUp, 0, 0);
}

void drain_events() {
    g_host.wake_up_pending.exchange(false);
    while (g_host.core_alive) {
        const mpv_event* event = g_host.core.api.mpv_wait_event(g_host.core.handle, 0);
        if (!event || event->event_id == MPV_EVENT_NONE) return;
    }
}

// The video fills the client area except a strip as high as the player's control bar.
void layout_video(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const ChildLayout layout = compute_child_layout(GetDpiForWindow(window), client.bottom, false, true);
    MoveWindow(g_host.video, 0, 0, client.right, layout.video_height, TRUE);
}

void close_host(HWND window) {
    ShowWindow(window, SW_HIDE);
    if (g_host.core_alive) {
        g_host.core_alive = false;
        g_host.core.api.mpv_terminate_destroy(g_host.core.handle);
    }
    DestroyWindow(window);
}

LRESULT CALLBACK host_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case kMsgWakeUp:
            drain_events();
            return 0;
        case WM_SIZE:
            if (g_host.video) layout_video(window);
            return 0;
        case WM_CLOSE:
            close_host(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

int fail(const std::string& text) {
    MessageBoxW(nullptr, wide(text).c_str(), L"bare_host", MB_OK | MB_ICONERROR);
    return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string options, file;
    for (int i = 1; i < count; ++i) {
        const std::wstring arg = args[i];
        if (arg == L"--options" && i + 1 < count)
            options = narrow(args[++i]);
        else
            file = narrow(arg);
    }
    LocalFree(args);
    if (file.empty()) return fail("usage: bare_host [--options TEXT] FILE");

    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = host_window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = kClassName;
    RegisterClassExW(&window_class);
    // Like the player's video window: black, and nothing of its own to paint.
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.lpszClassName = kVideoClassName;
    RegisterClassExW(&window_class);

    // The player's first window size.
    const uint32_t dpi = GetDpiForSystem();
    g_host.window = CreateWindowExW(0, kClassName, L"bare host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                    CW_USEDEFAULT, scale_truncated(960, dpi), scale_truncated(590, dpi), nullptr,
                                    nullptr, instance, nullptr);
    g_host.video = CreateWindowExW(0, kVideoClassName, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                   g_host.window, nullptr, instance, nullptr);
    if (!g_host.window || !g_host.video) return fail("cannot create the window");
    layout_video(g_host.window);
    ShowWindow(g_host.window, SW_SHOWNORMAL);
    UpdateWindow(g_host.window);

    auto loaded = load_core();
    if (const auto* failure = std::get_if<LoadFailure>(&loaded))
        return fail("cannot load libmpv-2.dll: " + failure->detail);
    g_host.core = std::get<Core>(loaded);

    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    CoreSetup setup;
    setup.video_window = static_cast<int64_t>(reinterpret_cast<intptr_t>(g_host.video));
    setup.watch_later_directory = narrow(std::wstring_view(temp, length)) + "tarnwick-bare-host";
    setup.user_options = options;
    if (const auto status = configure_core(g_host.core, setup, wake_up, g_host.window))
        return fail("the player core did not start: status " + std::to_string(*status));
    g_host.core_alive = true;
    core_command(g_host.core, {"loadfile", file});

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
