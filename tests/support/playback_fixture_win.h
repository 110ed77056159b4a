// A real App for the playback tests: a shown main window with a control-bar child, a recording
// player core, and the App published in g_app as start-up would. The bar's update region tells
// whether an action asked it to repaint.
#pragma once

#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/app_state_win.h"
#include "app/language.h"
#include "base/wide_win.h"
#include "support/recording_core.h"
#include "ui/about_window_win.h"  // App holds the About state by unique_ptr

struct PlaybackWindows : ::testing::Test {
    RecordingCore recorder;
    App app;
    // Runs inside the main window's WM_SETFOCUS, when set.
    std::function<void()> on_set_focus;
    int set_focus_count = 0;

    static LRESULT CALLBACK main_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        auto* self = reinterpret_cast<PlaybackWindows*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_SETFOCUS) {
            ++self->set_focus_count;
            if (self->on_set_focus) self->on_set_focus();
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    // One main window and bar for the whole run: destroying a shown top-level window costs two
    // seconds under Wine's X11 driver, and nothing a test does to them outlives its SetUp.
    struct Windows {
        HWND main = nullptr;
        HWND bar = nullptr;
    };
    static Windows shared_windows() {
        static Windows windows = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = main_proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TarnwickLight.PlaybackTest";
            RegisterClassExW(&wc);
            Windows w;
            w.main = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 40, 40, 640, 400, nullptr, nullptr,
                                     wc.hInstance, nullptr);
            w.bar = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 320, 600, 40, w.main, nullptr,
                                    wc.hInstance, nullptr);
            ShowWindow(w.main, SW_SHOWNORMAL);
            return w;
        }();
        return windows;
    }

    void SetUp() override {
        const Windows windows = shared_windows();
        ASSERT_NE(windows.main, nullptr);
        ASSERT_NE(windows.bar, nullptr);
        app.windows.main_window = windows.main;
        app.windows.bar_window = windows.bar;
        SetWindowLongPtrW(app.windows.main_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowTextW(app.windows.main_window, L"Tarnwick Light");
        app.core = recorder.core();
        g_app = &app;
        settle();
    }

    void TearDown() override {
        g_app = nullptr;
        SetWindowLongPtrW(app.windows.main_window, GWLP_USERDATA, 0);
        set_active_language(Language::english);
    }

    // Delivers what showing the windows queued, then forgets every pending repaint of the bar.
    void settle() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        ValidateRect(app.windows.bar_window, nullptr);
        recorder.calls.clear();
    }

    bool bar_invalidated() const {
        RECT r{};
        return GetUpdateRect(app.windows.bar_window, &r, FALSE) != 0;
    }

    std::string title() const {
        wchar_t buffer[512];
        const int n = GetWindowTextW(app.windows.main_window, buffer, 512);
        return narrow(std::wstring_view(buffer, static_cast<size_t>(n)));
    }
};
