#include "support/temp_appdata_win.h"

#include <atomic>
#include <vector>

#include "base/wide_win.h"
#include "base/win32_win.h"

namespace {

std::wstring environment(const wchar_t* name, bool& present) {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    present = length > 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    return std::wstring(buffer.data(), length);
}

}  // namespace

TempFolder::TempFolder(const std::string& kind, const std::string& suffix) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    path_ = narrow(std::wstring_view(temp, length)) + "tarnwick-" + kind + "-" + std::to_string(GetCurrentProcessId()) +
            "-" + std::to_string(++counter) + suffix;
    remove_tree(path_);  // left by an earlier process of the same number
    CreateDirectoryW(wide(path_).c_str(), nullptr);
}

TempFolder::~TempFolder() { remove_tree(path_); }

TempAppData::TempAppData(const std::string& suffix) : folder_("appdata", suffix) {
    bool present = false;
    const std::wstring old = environment(L"APPDATA", present);
    if (present) previous_ = old;
    SetEnvironmentVariableW(L"APPDATA", wide(folder_.path()).c_str());
}

TempAppData::~TempAppData() { SetEnvironmentVariableW(L"APPDATA", previous_ ? previous_->c_str() : nullptr); }

std::optional<std::string> read_file(const std::string& path) {
    const HANDLE file =
        CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool write_file(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::vector<std::string> folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(narrow(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void remove_tree(const std::string& folder) {
    for (const std::string& name : folder_entries(folder)) {
        const std::string path = folder + "\\" + name;
        const std::wstring wpath = wide(path);
        const DWORD attributes = GetFileAttributesW(wpath.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            remove_tree(path);
        } else {
            SetFileAttributesW(wpath.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(wpath.c_str());
        }
    }
    RemoveDirectoryW(wide(folder).c_str());
}
