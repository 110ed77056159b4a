#include "app/settings/settings_win.h"

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
// How often a replace tries again while another program holds settings.ini.
constexpr DWORD kReplaceRetryStepMs = 50;

// What another program holds for a moment; a later try may get past it. Every other failure (no
// folder, a full disk, a share that does not answer) would only fail again, each time as slowly.
bool is_held(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }
// A rename over a file that a scanner has open fails with ERROR_ACCESS_DENIED too.
bool is_held_target(DWORD error) { return is_held(error) || error == ERROR_ACCESS_DENIED; }

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

struct FindHandle {
    HANDLE handle;
    explicit FindHandle(HANDLE h) : handle(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
    }
};

struct ProcessHandle {
    HANDLE handle;
    explicit ProcessHandle(HANDLE h) : handle(h) {}
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    ~ProcessHandle() {
        if (handle) CloseHandle(handle);
    }
};

// A process we may not open (another user's) is taken as running: its file is not ours to remove.
bool process_running(DWORD id) {
    const ProcessHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process.handle) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(process.handle, &code) && code == STILL_ACTIVE;
}

// A copy killed between creating its temporary file and the rename leaves that file behind, and
// nothing else would ever remove it. A copy that is still running may be in the middle of its own
// save, so only the files of ended processes go.
void remove_stale_temporaries(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const FindHandle search(FindFirstFileW(wide(folder + "\\settings.ini.*.tmp").c_str(), &found));
    if (search.handle == INVALID_HANDLE_VALUE) return;
    do {
        const auto owner = settings_temporary_owner(narrow(found.cFileName));
        if (!owner || *owner == GetCurrentProcessId() || process_running(*owner)) continue;
        DeleteFileW(wide(folder + "\\" + narrow(found.cFileName)).c_str());
    } while (FindNextFileW(search.handle, &found));
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

namespace {

// Virus scanners, the search indexer and backup programs open a file for a moment without delete
// sharing, and the rename fails while they hold it. The close's save must not be lost to them, so it tries again
// for `held_ms`; a save while the window runs tries once and is made again later.
DWORD replace_file(const std::wstring& from, const std::wstring& to, uint32_t held_ms) {
    const ULONGLONG deadline = GetTickCount64() + held_ms;
    for (;;) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (!is_held_target(error) || GetTickCount64() >= deadline) return error;
        Sleep(kReplaceRetryStepMs);
    }
}

// The new text goes to a temporary file beside the old one, reaches the disk, and only then takes
// the old file's place in one rename, so a crash or power cut leaves either the old file or the new
// one, never a truncated mixture. Every failure is silent: the preferences stay in force for this run.
SaveOutcome write_settings_file(const std::string& text, uint32_t held_ms) {
    const std::string folder = settings_folder();
    SHCreateDirectoryExW(nullptr, wide(folder).c_str(), nullptr);

    // Windows refuses to replace a read-only file, Wine does not; a user who made the file read-only
    // wants it kept either way.
    const std::wstring target = wide(settings_path());
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return SaveOutcome::failed;

    // One name per process, so two copies saving at once never write into each other's file.
    const std::wstring temporary = wide(folder + "\\" + settings_temporary_name(GetCurrentProcessId()));
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return is_held(GetLastError()) ? SaveOutcome::held : SaveOutcome::failed;
    const bool written = write_whole_file(file.handle, text) && FlushFileBuffers(file.handle);
    file.close();
    const DWORD replaced = written ? replace_file(temporary, target, held_ms) : ERROR_WRITE_FAULT;
    if (replaced == ERROR_SUCCESS) {
        remove_stale_temporaries(folder);
        return SaveOutcome::saved;
    }
    DeleteFileW(temporary.c_str());
    return is_held_target(replaced) ? SaveOutcome::held : SaveOutcome::failed;
}

}  // namespace

void save_settings(const Settings& settings) {
    write_settings_file(format_settings(settings), kSaveWaiting.held_file_ms);
}

// Another copy may have saved since this one read the file: its values stay, and only the keys this
// copy changed since it last read or wrote the file are written over them. The named mutex keeps two
// copies from reading the same old file and each writing back only its own change. A missing or
// unreadable file is written whole, as a lone copy always did.
SaveOutcome save_changed_settings(const Settings& mine, Settings& synced, SettingsKeys forced, const SaveWait& wait) {
    const SettingsKeys keys = changed_keys(synced, mine) | forced;
    // Held while one copy reads, merges and writes the file. A copy that hangs holding it only delays
    // the others' saves: after the wait the close's save writes anyway, as it did before there was a
    // lock.
    const NamedMutexLock lock(L"Local\\TarnwickLight.Settings", wait.lock_ms);
    if (lock.mutex && !lock.owned && !wait.write_without_lock) return SaveOutcome::held;
    const auto text = read_whole_file(wide(settings_path()));
    const Settings merged = text ? merge_settings(parse_settings(*text), mine, keys) : mine;
    const SaveOutcome outcome = write_settings_file(format_settings(merged), wait.held_file_ms);
    if (outcome == SaveOutcome::saved) synced = mine;
    return outcome;
}
