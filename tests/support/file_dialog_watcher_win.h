// Watches this thread for the common file dialog. When it appears, records its owner, the folder it
// shows and the texts of its file-type list, then either cancels it or types `choose` into the name box and presses
// Open.
#pragma once

#include "base/win32_win.h"

#include <dlgs.h>

#include <string>
#include <vector>

#include "base/wide_win.h"

struct FileDialogWatcher {
    int opened = 0;
    std::vector<HWND> dialogs;
    HWND owner = nullptr;
    std::vector<std::string> file_types;
    std::string folder;
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
        std::vector<wchar_t> shown(32768);
        if (SendMessageW(dialog, CDM_GETFOLDERPATH, shown.size(), reinterpret_cast<LPARAM>(shown.data())) > 0)
            folder = narrow(shown.data());
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
