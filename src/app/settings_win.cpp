#include "app/settings_win.h"

#include <optional>
#include <string>
#include <vector>

#include "app/version.h"
#include "base/handles_win.h"
#include "base/wide_win.h"
#include "base/win32_win.h"

namespace {

// A settings file larger than this is not one the program wrote; reading it whole would only stall
// start-up, so it counts as unreadable.
constexpr LONGLONG kLargestSettingsFile = 1 << 20;

std::optional<std::string> read_whole_file(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > kLargestSettingsFile) return std::nullopt;
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < text.size()) {
        DWORD read = 0;
        if (!ReadFile(file.handle, text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr))
            return std::nullopt;
        if (read == 0) break;  // the file shrank while we read it
        done += read;
    }
    text.resize(done);
    return text;
}

bool write_whole_file(HANDLE file, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

std::string settings_folder() {
    std::vector<wchar_t> buffer(32768);
    DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length > 0 && length < buffer.size() && buffer[length - 1] == L'\\') --length;
    }
    return narrow(std::wstring_view(buffer.data(), length)) + "\\" TARNWICK_PRODUCT_NAME;
}

std::string settings_path() { return settings_folder() + "\\settings.ini"; }

Settings load_settings() {
    const auto text = read_whole_file(wide(settings_path()));
    return text ? parse_settings(*text) : Settings{};
}

// The new text goes to a temporary file beside the old one, reaches the disk, and only then takes
// the old file's place in one rename, so a crash or power cut leaves either the old file or the new
// one, never a truncated mixture. Every failure is silent: the preferences stay in force for this run.
void save_settings(const Settings& settings) {
    const std::string folder = settings_folder();
    SHCreateDirectoryExW(nullptr, wide(folder).c_str(), nullptr);

    // Windows refuses to replace a read-only file, Wine does not; a user who made the file read-only
    // wants it kept either way.
    const std::wstring target = wide(settings_path());
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return;

    // One name per process, so two copies saving at once never write into each other's file.
    const std::wstring temporary = wide(folder + "\\settings.ini." + std::to_string(GetCurrentProcessId()) + ".tmp");
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return;
    const bool written = write_whole_file(file.handle, format_settings(settings)) && FlushFileBuffers(file.handle);
    file.close();
    if (!written || !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileW(temporary.c_str());
}
