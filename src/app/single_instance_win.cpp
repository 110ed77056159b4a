#include "app/single_instance_win.h"

#include <cstring>

#include "app/app_state_win.h"
#include "app/names_win.h"
#include "app/playback_win.h"
#include "base/wide_win.h"

namespace {

constexpr UINT kHandOffTimeoutMs = 5000;

}  // namespace

// Runs before this copy has any window. A copy that is hung, closing or not answering within five
// seconds does not take the file, and this copy then opens its own window.
bool hand_off_to_running_copy(const std::optional<std::string>& file) {
    const HWND running = FindWindowW(kMainWindowClass, nullptr);
    if (!running) return false;

    // Only a process the foreground process allows may raise its window; the running copy needs
    // that to come to the front.
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    if (process) AllowSetForegroundWindow(process);

    std::wstring text = file ? wide(*file) : std::wstring();
    // A path has no NUL, so the receiver's stop at the first NUL finds the terminator.
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (bytes > MAXDWORD) return false;
    COPYDATASTRUCT data{};
    data.dwData = kHandOffTag;
    data.cbData = static_cast<DWORD>(bytes);
    data.lpData = text.data();

    DWORD_PTR result = 0;
    const LRESULT answered = SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                 SMTO_ABORTIFHUNG, kHandOffTimeoutMs, &result);
    return answered != 0 && result == 1;
}

// The data comes from another process and is trusted for nothing: only cbData bytes are read, an
// odd last byte is ignored, and the text ends at the first NUL or at the end of the buffer.
LRESULT on_copy_data(App& app, const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kHandOffTag) return 0;
    if (app.closing) return 0;
    // Without a player core this copy is only showing why it could not start and is about to exit:
    // a file accepted now would be lost, so the new start keeps it and opens its own window.
    if (!app.core) return 0;

    std::u16string text;
    const auto* bytes = static_cast<const unsigned char*>(data->lpData);
    const size_t units = bytes ? data->cbData / 2 : 0;
    for (size_t i = 0; i < units; ++i) {
        char16_t unit;
        std::memcpy(&unit, bytes + 2 * i, sizeof unit);  // lpData need not be aligned
        if (unit == 0) break;
        text += unit;
    }

    if (IsIconic(app.windows.main_window)) ShowWindow(app.windows.main_window, SW_RESTORE);
    SetForegroundWindow(app.windows.main_window);
    if (!text.empty()) open_file(app, utf16_to_utf8(text));
    return 1;
}
