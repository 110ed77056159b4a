// A running program in miniature for the Windows tests: the App state published, the five window
// classes registered with the program's own procedures, a real main window with its video and bar
// children at a known client size, the fonts and the tooltips, and a recording player core.
#pragma once

#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "support/recording_core.h"
#include "top/startup_win.h"
#include "ui/about_window_win.h"
#include "ui/bar/bar_win.h"
#include "ui/fonts_win.h"
#include "ui/help_window_win.h"
#include "ui/main_window_win.h"
#include "ui/window_modes_win.h"

inline void register_program_classes() { register_classes(GetModuleHandleW(nullptr)); }

// Dispatches whatever is queued for this thread, WM_QUIT included (a destroyed main window posts it).
inline void pump_messages() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

inline std::wstring class_name_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// A top-down 32-bit picture of what a window paints through WM_PRINTCLIENT, read back with GetDIBits.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> bgra;
    COLORREF at(int x, int y) const {
        const uint32_t p = bgra[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

inline Picture print_client(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    picture.bgra.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(picture.height), picture.bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

// Hiding or destroying an active top-level window costs Wine two seconds without a window manager,
// so the tests share one main window for the whole run and reset the App state around it; only a
// test that closes the program makes the next one build the windows again.
inline App& shared_app() {
    static App* app = new App;
    return *app;
}

class ProgramWindows : public testing::Test {
protected:
    static constexpr int kClientWidth = 944;
    static constexpr int kClientHeight = 560;

    App& app = shared_app();
    RecordingCore recorder;

    void SetUp() override {
        // Anything that writes the settings writes into a folder of its own.
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const std::wstring root = std::wstring(temp) + L"tarnwick-ui-test-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root.c_str(), nullptr);
        SetEnvironmentVariableW(L"APPDATA", root.c_str());

        register_program_classes();
        g_app = &app;
        reset_state();
        create_fonts(app);
        if (!app.windows.main_window || !IsWindow(app.windows.main_window)) create_windows();
        if (!app.windows.tooltip_window || !IsWindow(app.windows.tooltip_window)) create_tooltips(app);
        set_client_size(kClientWidth, kClientHeight);
        SetForegroundWindow(app.windows.main_window);
        SetFocus(app.windows.main_window);
        pump_messages();
    }

    void TearDown() override {
        destroy_about(app);
        close_help(app);
        if (GetCapture()) ReleaseCapture();
        app.core.reset();
        pump_messages();
    }

    void reset_state() {
        app.settings = Settings{};
        app.settings_synced = Settings{};
        app.mode.menu_open = false;
        app.playback = PlaybackState{};
        app.playback.current_volume = app.settings.volume;
        app.core.reset();
        app.windows.dpi = 96;
        app.closing = false;
        app.mode.fullscreen = false;
        app.mode.bar_shown = false;
        app.mode.cursor_hidden = false;
        app.bar.mouse_tracked = false;
        app.mode.last_mouse = POINT{INT32_MIN, INT32_MIN};
        app.bar.drag = Drag::none;
        app.bar.pressed = BarHit::released;
        app.bar.hover_button = BarHit::none;
        app.bar.seek_fraction = 0;
    }

    void create_windows() {
        app.windows.main_window = nullptr;
        ASSERT_TRUE(::create_windows(app, GetModuleHandleW(nullptr)));
        const HWND main = app.windows.main_window;
        SetWindowPos(main, nullptr, 0, 0, 960, 600, SWP_NOZORDER | SWP_NOACTIVATE);
        app.windows.tooltip_window = nullptr;
        ShowWindow(main, SW_SHOWNORMAL);
    }

    // Client size, centred on the screen, so that the cards centred over it fit the work area.
    void set_client_size(int width, int height) {
        RECT frame{};
        RECT client{};
        GetWindowRect(app.windows.main_window, &frame);
        GetClientRect(app.windows.main_window, &client);
        const int outer_width = width + (frame.right - frame.left) - client.right;
        const int outer_height = height + (frame.bottom - frame.top) - client.bottom;
        const int screen_width = GetSystemMetrics(SM_CXSCREEN);
        const int screen_height = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(app.windows.main_window, nullptr, (screen_width - outer_width) / 2,
                     (screen_height - outer_height) / 2, outer_width, outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
        layout_children(app);
    }

    RECT client() const {
        RECT rect{};
        GetClientRect(app.windows.main_window, &rect);
        return rect;
    }
    int bar_top() const { return client().bottom - bar_height(app); }
    BarLayout layout() const { return compute_bar_layout(app.windows.dpi, client().right, bar_height(app)); }

    void load_file(double duration) {
        app.core = recorder.core();
        app.playback.file_loaded = true;
        app.playback.duration = duration;
    }

    // Real mouse messages through the main window procedure.
    LRESULT send(UINT message, int x, int y, WPARAM keys = 0) {
        return SendMessageW(app.windows.main_window, message, keys, MAKELPARAM(x, y));
    }
};
