#include "settings_win.h"

#include <vector>

#include "wide_win.h"
#include "win32_win.h"

std::string settings_folder() {
    std::vector<wchar_t> buffer(32768);
    DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length > 0 && length < buffer.size() && buffer[length - 1] == L'\\') --length;
    }
    return narrow(std::wstring_view(buffer.data(), length)) + "\\Tarnwick Light";
}

// Reading and writing the file come with the settings work; until then the defaults apply.
Settings load_settings() { return Settings{}; }

void save_settings(const Settings&) {}
