#include "bench_process_win.h"

std::wstring quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

namespace {

struct WindowSearch {
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK find_process_window(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process_id || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND process_main_window(DWORD process_id) {
    WindowSearch search{process_id, nullptr};
    EnumWindows(find_process_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool close_and_wait(const PROCESS_INFORMATION& process) {
    const HWND window = process_main_window(process.dwProcessId);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (window && WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) return true;
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 10000);
    return false;
}
