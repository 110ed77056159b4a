// A running main window for the Windows tests, made the way start-up makes it: the five classes, the
// App state published in g_app, the main window with its video and bar children, a tooltip control
// with the bar's ten tools, and a recording player core. Settings go to a scratch APPDATA folder.
#pragma once

#include "base/win32_win.h"

#include <dlgs.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/playback_win.h"
#include "app/settings_win.h"
#include "base/wide_win.h"
#include "support/recording_core.h"
#include "top/startup_win.h"
#include "ui/about_window_win.h"
#include "ui/bar/bar_win.h"
#include "ui/help_window_win.h"
#include "ui/main_window_win.h"
#include "ui/window_modes_win.h"

namespace harness {

inline void register_classes() { ::register_classes(GetModuleHandleW(nullptr)); }

// Dispatches whatever is queued for this thread, with TranslateMessage as the real loop does.
inline void pump() {
    MSG message;
    for (int i = 0; i < 1000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline bool quit_posted() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

inline void set_modifiers(bool ctrl, bool shift) {
    BYTE keys[256]{};
    if (ctrl) keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    SetKeyboardState(keys);
}

inline std::string scratch_appdata() {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarnwick-win-tests-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return narrow(folder);
}

inline std::string settings_path() { return settings_folder() + "\\settings.ini"; }

inline std::optional<std::string> read_settings_file() {
    const HANDLE file =
        CreateFileW(wide(settings_path()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

// Options of the test window. Windows stay hidden unless asked: without a window manager Wine waits
// two seconds for every shown window to be unmapped.
enum : unsigned { kNoCore = 1, kShown = 2, kTooltips = 4 };

struct MainWindow {
    App app;
    RecordingCore recorder;

    explicit MainWindow(unsigned options = 0) {
        register_classes();
        SetEnvironmentVariableW(L"APPDATA", wide(scratch_appdata()).c_str());
        DeleteFileW(wide(settings_path()).c_str());
        set_modifiers(false, false);
        g_app = &app;
        create_windows(app, GetModuleHandleW(nullptr));
        const HWND main = app.windows.main_window;
        SetWindowPos(main, nullptr, 40, 30, 960, 590, SWP_NOZORDER | SWP_NOACTIVATE);
        app.windows.dpi = 96;
        if (options & kTooltips) add_tooltips();
        if (!(options & kNoCore)) app.core = recorder.core();
        layout_children(app);
        if (options & kShown) {
            ShowWindow(main, SW_SHOWNORMAL);
            UpdateWindow(main);
        }
        pump();
        recorder.calls.clear();
    }

    ~MainWindow() {
        if (IsWindow(app.windows.main_window)) {
            app.closing = true;  // nothing of the close sequence, only the window
            DestroyWindow(app.windows.main_window);
        }
        if (app.windows.tooltip_window && IsWindow(app.windows.tooltip_window))
            DestroyWindow(app.windows.tooltip_window);
        pump();
        quit_posted();
        g_app = nullptr;
        set_modifiers(false, false);
    }

    HWND window() const { return app.windows.main_window; }

    // The bar's own WS_VISIBLE, which the layout sets and clears whether or not the main window shows.
    bool bar_visible() const { return (GetWindowLongPtrW(app.windows.bar_window, GWL_STYLE) & WS_VISIBLE) != 0; }

    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
        return SendMessageW(app.windows.main_window, message, wparam, lparam);
    }

    // The tools as the control bar creates them: id + 1, subclassing the main window.
    void add_tooltips() {
        app.windows.tooltip_window =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, app.windows.main_window,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
        for (UINT_PTR id = 0; id < 10; ++id) {
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_SUBCLASS;
            tool.hwnd = app.windows.main_window;
            tool.uId = id + 1;
            wchar_t text[] = L"tip";
            tool.lpszText = text;
            SendMessageW(app.windows.tooltip_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }

    RECT tool_rect(UINT_PTR id) const {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = app.windows.main_window;
        tool.uId = id;
        SendMessageW(app.windows.tooltip_window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
        return tool.rect;
    }

    // A child's rectangle in the main window's client coordinates.
    RECT child_rect(HWND child) const {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, app.windows.main_window, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    RECT client() const {
        RECT rect{};
        GetClientRect(app.windows.main_window, &rect);
        return rect;
    }

    size_t count_calls(const std::string& text) const {
        size_t n = 0;
        for (const auto& call : recorder.calls) n += call == text;
        return n;
    }

    size_t count_calls_starting(const std::string& prefix) const {
        size_t n = 0;
        for (const auto& call : recorder.calls) n += call.rfind(prefix, 0) == 0;
        return n;
    }
};

// A drop list as the shell hands it over: DROPFILES followed by wide names, each NUL-terminated, and
// an empty name at the end.
inline HDROP make_drop(const std::vector<std::wstring>& files) {
    size_t units = 2;
    for (const auto& f : files) units += f.size() + 1;
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    wchar_t* names = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
    for (const auto& f : files) {
        std::copy(f.begin(), f.end(), names);
        names += f.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace harness

namespace harness {

// Watches this thread for the common file dialog. When it appears, records its owner and the texts
// of its file-type list, then either cancels it or types `choose` into the name box and presses Open.
struct FileDialogWatcher {
    int opened = 0;
    std::vector<HWND> dialogs;
    HWND owner = nullptr;
    std::vector<std::string> file_types;
    std::wstring choose;  // empty: cancel
    HHOOK hook = nullptr;

    FileDialogWatcher() {
        current() = this;
        hook = SetWindowsHookExW(WH_CBT, on_cbt, nullptr, GetCurrentThreadId());
    }
    ~FileDialogWatcher() {
        UnhookWindowsHookEx(hook);
        current() = nullptr;
    }
    FileDialogWatcher(const FileDialogWatcher&) = delete;
    FileDialogWatcher& operator=(const FileDialogWatcher&) = delete;

    static FileDialogWatcher*& current() {
        static FileDialogWatcher* watcher = nullptr;
        return watcher;
    }

    static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam) {
        FileDialogWatcher* self = current();
        if (self && code == HCBT_ACTIVATE) {
            const HWND window = reinterpret_cast<HWND>(wparam);
            wchar_t class_name[32]{};
            GetClassNameW(window, class_name, 32);
            if (std::wstring(class_name) == L"#32770") self->seen(window);
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    void seen(HWND dialog) {
        // Activation can come more than once for one dialog; the explorer-style dialog also has a
        // child dialog of the same class.
        if ((GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD) != 0) return;
        for (const HWND known : dialogs)
            if (known == dialog) return;
        dialogs.push_back(dialog);
        if (++opened > 1) return;
        owner = GetWindow(dialog, GW_OWNER);
        // The dialog fills its controls after it is activated; act once its own loop runs.
        SetTimer(nullptr, 0, 100, on_timer);
    }

    static void CALLBACK on_timer(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (FileDialogWatcher* self = current()) self->act(self->dialogs.front());
    }

    void act(HWND dialog) {
        const HWND types = GetDlgItem(dialog, cmb1);
        const LRESULT count = SendMessageW(types, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[256]{};
            if (SendMessageW(types, CB_GETLBTEXTLEN, i, 0) < 255)
                SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            file_types.push_back(narrow(text));
        }
        if (choose.empty()) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        // The name box is cmb13 on current systems and edt1 on older templates.
        SetDlgItemTextW(dialog, cmb13, choose.c_str());
        SetDlgItemTextW(dialog, edt1, choose.c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
};

}  // namespace harness
