// Black-box harness: installs the real program with one of the fake libmpv-2.dll builds into a
// scratch folder, starts it as a separate process with its own APPDATA, and reads what the fake
// recorded.
#pragma once

#include "base/win32_win.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_appdata_win.h"

// The build folder: the parent of the folder this test program is in.
std::wstring build_folder();

struct Install {
    std::wstring folder;  // holds TarnwickLight.exe and libmpv-2.dll
    std::wstring exe;
    std::wstring appdata;   // the program's APPDATA
    std::wstring fake_dir;  // TARNWICK_FAKE_DIR: calls.log, properties.txt, inbox.txt
    // Holds the three folders above; removed with the Install.
    std::unique_ptr<TempFolder> scratch;

    // variant: "full", "no_mpv_free", "create_null", "init_fails", or "" for no library at all.
    static Install make(const std::string& variant, const std::wstring& folder_name = L"");
    Install() = default;
    Install(Install&&) = default;
    Install& operator=(Install&&) = default;
    Install(const Install&) = delete;

    // Call log lines, each split at TAB (escapes left as written).
    std::vector<std::vector<std::string>> calls() const;
    // Lines of calls() whose first field is `function`.
    std::vector<std::vector<std::string>> calls_of(const std::string& function) const;
    // How many processes have loaded the fake library.
    size_t library_loads() const;
    // Whether mpv_wait_event has handed the program an event of this id.
    bool delivered(int event_id) const;
    void set_properties(const std::string& text) const;
    void inject(const std::string& line) const;
    void write_settings(const std::string& text) const;
    std::optional<std::string> read_settings() const;
    std::wstring settings_file() const;
};

struct Running {
    PROCESS_INFORMATION process{};
    ~Running();
    Running() = default;
    Running(Running&& other) noexcept;
    Running& operator=(Running&& other) noexcept;
    Running(const Running&) = delete;

    // The top-level window of class `class_name` owned by the process, waiting up to `timeout`.
    HWND wait_for_window(const wchar_t* class_name, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    HWND main_window(std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    // Exit code, or nullopt when still running after `timeout`.
    std::optional<DWORD> wait_exit(std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    void kill() const;
};

// Starts the program with the given command-line arguments (already quoted) in `current_folder`
// (the install folder when empty).
Running start(const Install& install, const std::wstring& arguments, const std::wstring& current_folder = L"",
              const std::wstring& exe_override = L"");

// Waits until `predicate()` holds or the timeout passes; returns the last value.
template <typename Predicate>
bool wait_until(Predicate predicate, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (predicate()) return true;
        Sleep(50);
    }
    return predicate();
}

// The text of a message box owned by the process (the static control 0xFFFF), if one is open.
std::optional<std::string> message_box_text(const Running& running);
HWND message_box(const Running& running);

std::string window_title(HWND window);
