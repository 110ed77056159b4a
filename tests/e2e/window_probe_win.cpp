// The end-to-end test's eyes and hands on the Windows side of the player under Wine: finds the
// player's main window, reports what the shell scripts cannot read from X (the exact title in
// UTF-8, the client area on the screen, the X window that carries it) and closes the window with
// WM_CLOSE, the message the caption's close button sends, so that the program saves its resume
// point and its settings exactly as when a user closes it.
//
//   window_probe info             one key=value per line; exit 1 when there is no main window
//   window_probe wait SECONDS     waits until the main window is visible, then prints info
//   window_probe close            posts WM_CLOSE to the main window; exit 1 when there is none
//   window_probe close-about      the same for the About window (which a first start shows)
//   window_probe preview          the seek bar's popup: visible, its rectangle on the screen, its
//                                 text and the colour of its picture's middle, as RRGGBB
//
// The main window is the first top-level window of class "TarnwickLight.Main"; the test runs one
// copy of the program at a time, in a Wine prefix of its own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kMainClass[] = L"TarnwickLight.Main";
constexpr wchar_t kAboutClass[] = L"TarnwickLight.About";
constexpr wchar_t kSeekPreviewClass[] = L"TarnwickLight.SeekPreview";

HWND find_top_level(const wchar_t* class_name) { return FindWindowExW(nullptr, nullptr, class_name, nullptr); }

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Raw bytes to the Unix side: no code-page conversion of the UTF-8 title.
void print(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

int info(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    // winex11 keeps the X window of every top-level window in this property.
    const auto x_window = reinterpret_cast<uintptr_t>(GetPropW(window, L"__wine_x11_whole_window"));
    const HWND about = find_top_level(kAboutClass);
    char line[256];
    std::snprintf(line, sizeof line, "hwnd=0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    print(line);
    std::snprintf(line, sizeof line, "xid=%llu", static_cast<unsigned long long>(x_window));
    print(line);
    std::snprintf(line, sizeof line, "visible=%d", IsWindowVisible(window) ? 1 : 0);
    print(line);
    std::snprintf(line, sizeof line, "client=%ld %ld %ld %ld", origin.x, origin.y, client.right - client.left,
                  client.bottom - client.top);
    print(line);
    std::snprintf(line, sizeof line, "about=%d", about && IsWindowVisible(about) ? 1 : 0);
    print(line);
    // The window that gets the keys: a key pressed now goes to it.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    wchar_t focus_class[256] = L"";
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndFocus)
        GetClassNameW(thread.hwndFocus, focus_class, 256);
    print("focus=" + utf8(focus_class));
    print("title=" + utf8(window_text(window)));
    return 0;
}

// The picture stands above the time and fills the popup's width but for a one-pixel frame; a third
// of the way down is well inside it.
int preview() {
    const HWND popup = find_top_level(kSeekPreviewClass);
    if (!popup) return 1;
    RECT rect{};
    GetWindowRect(popup, &rect);
    const HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, (rect.left + rect.right) / 2, rect.top + (rect.bottom - rect.top) / 3);
    ReleaseDC(nullptr, screen);
    char line[256];
    std::snprintf(line, sizeof line, "preview_visible=%d", IsWindowVisible(popup) ? 1 : 0);
    print(line);
    std::snprintf(line, sizeof line, "preview=%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
    print(line);
    std::snprintf(line, sizeof line, "preview_pixel=%02x%02x%02x", GetRValue(pixel), GetGValue(pixel),
                  GetBValue(pixel));
    print(line);
    print("preview_text=" + utf8(window_text(popup)));
    return 0;
}

int wait_visible(double seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        const HWND window = find_top_level(kMainClass);
        if (window && IsWindowVisible(window)) return info(window);
        if (GetTickCount64() >= deadline) return 1;
        Sleep(100);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Physical pixels, the same as the screenshots, whatever the DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"wait" && argc > 2) return wait_visible(_wtof(argv[2]));
    const HWND window = find_top_level(kMainClass);
    if (command == L"info") return window ? info(window) : 1;
    if (command == L"preview") return preview();
    if (command == L"close") return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == L"close-about") {
        const HWND about = find_top_level(kAboutClass);
        return about && PostMessageW(about, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fputs("usage: window_probe info | wait SECONDS | close | close-about | preview\n", stderr);
    return 2;
}
