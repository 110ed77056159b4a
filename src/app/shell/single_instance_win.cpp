#include "app/shell/single_instance_win.h"

#include <cstring>
#include <utility>

#include "app/app_state_win.h"
#include "app/names_win.h"
#include "app/shell/hand_off.h"
#include "base/wide_win.h"

namespace {

constexpr UINT kHandOffTimeoutMs = 5000;

bool is_folder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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

// The data comes from another process and is trusted for nothing: hand_off_text reads only cbData
// bytes, and only what a starting copy sends is opened. A folder would play as a list of everything
// in it, which nobody asked for.
std::optional<Command> on_copy_data(App& app, const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kHandOffTag) return std::nullopt;
    if (app.closing) return std::nullopt;
    // Without a player core this copy is only showing why it could not start and is about to exit:
    // a file accepted now would be lost, so the new start keeps it and opens its own window.
    if (!app.core) return std::nullopt;

    std::string text = hand_off_text(data->lpData, data->cbData);

    if (IsIconic(app.windows.main_window)) ShowWindow(app.windows.main_window, SW_RESTORE);
    SetForegroundWindow(app.windows.main_window);
    if (text.empty() || !is_hand_off_target(text) || is_folder(text)) return Command{};
    return path_command(CommandId::open_file, std::move(text));
}
