#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/command_line.h"
#include "base/utf.h"
#include "base/wide_win.h"
#include "player/loader_win.h"
#include "top/startup_win.h"

namespace {

std::vector<std::wstring> shell_split(const std::wstring& line) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> out(argv, argv + count);
    LocalFree(argv);
    return out;
}

// Our splitter must agree with the shell's for every argument after a plain program name.
TEST(CommandLineWin, AgreesWithCommandLineToArgvW) {
    std::mt19937 random(20261208);
    const wchar_t alphabet[] = {L'a', L'"', L'\\', L' ', L'\t', L'"', L'\\', L'\x00E9', L'b'};
    for (int round = 0; round < 20000; ++round) {
        std::wstring line = (round % 2) ? L"\"C:\\Program Files\\t.exe\" " : L"t.exe ";
        // Mostly short lines, where every combination of quotes and backslashes turns up, and some
        // long ones with runs of several.
        const int length = static_cast<int>(random() % (round % 10 == 0 ? 64 : 14));
        for (int i = 0; i < length; ++i) line += alphabet[random() % (sizeof alphabet / sizeof alphabet[0])];
        const auto expected = shell_split(line);
        const auto ours = split_command_line(std::u16string(line.begin(), line.end()));
        ASSERT_EQ(ours.size(), expected.size()) << narrow(line);
        for (size_t i = 1; i < ours.size(); ++i)
            ASSERT_EQ(std::wstring(ours[i].begin(), ours[i].end()), expected[i]) << narrow(line);
    }
}

// The conversions must agree with Windows' own for valid text and for lone surrogates.
TEST(UtfWin, AgreesWithWideCharToMultiByte) {
    std::mt19937 random(7);
    const wchar_t units[] = {L'a', 0x00E9, 0x2014, 0xD83C, 0xDFAC, 0xD800, 0xDC00, 0xFFFD, 0};
    for (int round = 0; round < 5000; ++round) {
        std::wstring text;
        const int length = static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i) text += units[random() % (sizeof units / sizeof units[0])];
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::string expected(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), expected.data(), size, nullptr,
                            nullptr);
        ASSERT_EQ(narrow(text), expected);
        if (is_valid_utf8(expected)) {
            const int count =
                MultiByteToWideChar(CP_UTF8, 0, expected.data(), static_cast<int>(expected.size()), nullptr, 0);
            std::wstring back(static_cast<size_t>(count), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, expected.data(), static_cast<int>(expected.size()), back.data(), count);
            ASSERT_EQ(wide(expected), back);
        }
    }
}

TEST(StartupWin, FileArgumentIsMadeAbsolute) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    std::string folder = narrow(current);
    if (folder.back() != '\\') folder += '\\';
    EXPECT_EQ(file_argument_from_command_line(L"t.exe clip.mkv"), folder + "clip.mkv");
    EXPECT_EQ(file_argument_from_command_line(L"t.exe \"sub dir\\..\\a b.mkv\" second.mkv"), folder + "a b.mkv");
    EXPECT_EQ(file_argument_from_command_line(L"t.exe https://example.com/a%20b.mp4"),
              std::string("https://example.com/a%20b.mp4"));
    EXPECT_EQ(file_argument_from_command_line(L"t.exe \\\\?\\C:\\x\\..\\y.mkv"),
              std::string("\\\\?\\C:\\x\\..\\y.mkv"));
    EXPECT_FALSE(file_argument_from_command_line(L"t.exe").has_value());
    EXPECT_FALSE(file_argument_from_command_line(L"\"t.exe\"   ").has_value());
    EXPECT_FALSE(file_argument_from_command_line(L"t.exe \"\" clip.mkv").has_value());
}

TEST(StartupWin, LongRelativeArgumentGrowsTheBuffer) {
    const std::wstring name(600, L'n');
    const auto result = file_argument_from_command_line((L"t.exe " + name).c_str());
    ASSERT_TRUE(result.has_value());
    EXPECT_GT(result->size(), 600u);
    EXPECT_EQ(result->substr(result->size() - 600), std::string(600, 'n'));
}

// Stand-ins for DwmSetWindowAttribute (refusing the attributes listed) and what start-up asks of
// Windows around its window, recording what they are asked in order.
std::vector<DWORD> refused, asked;
std::vector<std::string> steps;
BOOL note(const std::string& step) {
    steps.push_back(step);
    return TRUE;
}
HRESULT WINAPI set_attribute(HWND, DWORD attribute, LPCVOID value, DWORD size) {
    asked.push_back(*static_cast<const BOOL*>(value) && size == 4 ? attribute : 0);
    return std::count(refused.begin(), refused.end(), attribute) ? E_INVALIDARG : S_OK;
}

// Windows 10 20H1 on takes 20; 1809 to 1909 refuse it and take 19; Wine refuses both.
TEST(StartupWin, DarkTitleBar) {
    const std::pair<std::vector<DWORD>, std::vector<DWORD>> cases[] = {
        {{}, {20}}, {{20}, {20, 19}}, {{20, 19}, {20, 19}}};
    for (const auto& [refuse, expected] : cases) {
        refused = refuse, asked.clear();
        request_dark_title_bar(GetDesktopWindow(), set_attribute);
        EXPECT_EQ(asked, expected);
    }
}

// Wine's message filter only says yes and its loader takes any search flags, so what start-up asks,
// and in which order, is what can be checked: the messages of lower integrity and COM before the
// window shows (an elevated copy would lose "TaskbarButtonCreated" sent as it appears, and a screen
// reader asks for the window's provider while it is shown).
TEST(StartupWin, SearchPathCurrentFolderAndWhatComesBeforeTheWindowShows) {
    StartupCalls calls;
    calls.set_default_dll_directories = [](DWORD flags) { return note("search " + std::to_string(flags)); };
    calls.set_current_directory = [](LPCWSTR folder) { return note("folder " + narrow(folder)); };
    calls.change_message_filter = [](HWND w, UINT message, DWORD action, PCHANGEFILTERSTRUCT) {
        return note(w == GetDesktopWindow() && action == MSGFLT_ALLOW ? "allow " + std::to_string(message) : "?");
    };
    calls.initialize_com = [] { return note("com") ? S_OK : E_FAIL; };
    calls.show_window = [](HWND, int command) { return note("show " + std::to_string(command)); };
    restrict_library_search(calls);
    leave_current_folder(calls);
    show_main_window(GetDesktopWindow(), true, calls);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const auto allow = [](UINT message) { return "allow " + std::to_string(message); };
    EXPECT_EQ(steps,
              (std::vector<std::string>{
                  "search 4096", "folder " + narrow(system), allow(WM_DROPFILES), allow(WM_COPYDATA), allow(0x0049),
                  allow(RegisterWindowMessageW(L"TaskbarButtonCreated")), allow(WM_COMMAND), "com", "show 3"}));
}

TEST(LoaderWin, LibraryBesideTheExecutable) {
    EXPECT_EQ(library_path("C:\\Program Files\\Tarnwick Light\\TarnwickLight.exe"),
              "C:\\Program Files\\Tarnwick Light\\libmpv-2.dll");
    EXPECT_EQ(library_path("C:\\Vidéos\\t.exe"), "C:\\Vidéos\\libmpv-2.dll");
    EXPECT_EQ(library_path("t.exe"), "libmpv-2.dll");
}

}  // namespace
