#include "harness_win.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/wide_win.h"

namespace fs = std::filesystem;

namespace {

std::wstring module_path() {
    std::wstring buffer(32768, L'\0');
    buffer.resize(GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
    return buffer;
}

std::string read_file(const std::wstring& path) { return ::read_file(narrow(path)).value_or(""); }

void write_file(const std::wstring& path, const std::string& text) { ::write_file(narrow(path), text); }

// The fake writes TAB, CR, LF and backslash as \t \r \n \\.
std::string unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

// The program of this build, or the one TARNWICK_PROGRAM names: ./test runs a few of these tests
// against the program clang built.
fs::path program_under_test() {
    std::wstring other(32768, L'\0');
    other.resize(GetEnvironmentVariableW(L"TARNWICK_PROGRAM", other.data(), static_cast<DWORD>(other.size())));
    return other.empty() ? fs::path(build_folder()) / L"TarnwickLight.exe" : fs::path(other);
}

}  // namespace

std::wstring build_folder() { return fs::path(module_path()).parent_path().parent_path().wstring(); }

Install Install::make(const std::string& variant, const std::wstring& folder_name) {
    Install install;
    install.scratch = std::make_unique<TempFolder>("system");
    const fs::path base = fs::path(wide(install.scratch->path()));
    const fs::path folder = folder_name.empty() ? base / L"app" : base / folder_name;
    fs::create_directories(folder);
    fs::create_directories(base / L"appdata");
    fs::create_directories(base / L"fake");
    install.folder = folder.wstring();
    install.exe = (folder / L"TarnwickLight.exe").wstring();
    install.appdata = (base / L"appdata").wstring();
    install.fake_dir = (base / L"fake").wstring();
    fs::copy_file(program_under_test(), install.exe);
    if (!variant.empty())
        fs::copy_file(fs::path(build_folder()) / L"fake" / wide(variant) / L"libmpv-2.dll", folder / L"libmpv-2.dll");
    return install;
}

std::vector<std::vector<std::string>> Install::calls() const {
    std::vector<std::vector<std::string>> lines;
    std::istringstream text(read_file(fake_dir + L"\\calls.log"));
    std::string line;
    while (std::getline(text, line)) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            fields.push_back(unescape(line.substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        lines.push_back(std::move(fields));
    }
    return lines;
}

std::vector<std::vector<std::string>> Install::calls_of(const std::string& function) const {
    std::vector<std::vector<std::string>> matching;
    for (auto& call : calls())
        if (call[0] == function) matching.push_back(std::move(call));
    return matching;
}

size_t Install::library_loads() const {
    const std::string text = read_file(fake_dir + L"\\attached.log");
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

bool Install::delivered(int event_id) const {
    for (const auto& call : calls_of("event"))
        if (call.size() > 1 && call[1] == std::to_string(event_id)) return true;
    return false;
}

void Install::set_properties(const std::string& text) const {
    const std::wstring target = fake_dir + L"\\properties.txt";
    write_file(target + L".new", text);
    MoveFileExW((target + L".new").c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void Install::inject(const std::string& line) const {
    std::ofstream out(fs::path(fake_dir + L"\\inbox.txt"), std::ios::binary | std::ios::app);
    out << line << '\n';
}

std::wstring Install::settings_file() const { return appdata + L"\\Tarnwick Light\\settings.ini"; }

void Install::write_settings(const std::string& text) const {
    fs::create_directories(fs::path(settings_file()).parent_path());
    write_file(settings_file(), text);
}

std::optional<std::string> Install::read_settings() const {
    if (!fs::exists(fs::path(settings_file()))) return std::nullopt;
    return read_file(settings_file());
}

Running::Running(Running&& other) noexcept : process(other.process) { other.process = PROCESS_INFORMATION{}; }

Running& Running::operator=(Running&& other) noexcept {
    std::swap(process, other.process);
    return *this;
}

Running::~Running() {
    if (!process.hProcess) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

namespace {

struct WindowSearch {
    DWORD process_id;
    const wchar_t* class_name;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process_id) return TRUE;
    wchar_t name[256];
    GetClassNameW(window, name, 256);
    if (wcscmp(name, search.class_name) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

HWND find_window(DWORD process_id, const wchar_t* class_name) {
    WindowSearch search{process_id, class_name, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND Running::wait_for_window(const wchar_t* class_name, std::chrono::milliseconds timeout) const {
    HWND window = nullptr;
    wait_until([&] { return (window = find_window(process.dwProcessId, class_name)) != nullptr; }, timeout);
    return window;
}

HWND Running::main_window(std::chrono::milliseconds timeout) const {
    return wait_for_window(L"TarnwickLight.Main", timeout);
}

std::optional<DWORD> Running::wait_exit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

void Running::kill() const { TerminateProcess(process.hProcess, 99); }

Running start(const Install& install, const std::wstring& arguments, const std::wstring& current_folder,
              const std::wstring& exe_override) {
    // The child inherits this environment: its own APPDATA and the fake's folder.
    SetEnvironmentVariableW(L"APPDATA", install.appdata.c_str());
    SetEnvironmentVariableW(L"TARNWICK_FAKE_DIR", install.fake_dir.c_str());
    const std::wstring exe = exe_override.empty() ? install.exe : exe_override;
    std::wstring command_line = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    Running running;
    const std::wstring folder = current_folder.empty() ? install.folder : current_folder;
    CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                   &running.process);
    return running;
}

HWND message_box(const Running& running) { return find_window(running.process.dwProcessId, L"#32770"); }

std::optional<std::string> message_box_text(const Running& running) {
    const HWND box = message_box(running);
    if (!box) return std::nullopt;
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 4096);
    return narrow(text);
}

std::string window_title(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return narrow(text);
}
