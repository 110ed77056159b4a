#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "app/settings/settings_win.h"
#include "base/wide_win.h"
#include "support/temp_appdata_win.h"

namespace {

Settings changed_settings() {
    Settings s;
    s.volume = 42;
    s.mute = true;
    s.wheel_invert = false;
    s.mpv_options = "hwdec=no";
    s.language = "fr";
    s.window_valid = true;
    s.window_rect = {-100, 10, 700, 510};
    return s;
}

std::string settings_file() { return settings_folder() + "\\settings.ini"; }

TEST(SettingsWin, FolderFollowsAppData) {
    const TempAppData appdata("-Vidéos 🎬");
    EXPECT_EQ(settings_folder(), appdata.folder() + "\\Tarnwick Light");
    EXPECT_EQ(settings_path(), appdata.folder() + "\\Tarnwick Light\\settings.ini");

    // Without APPDATA the temporary folder takes its place.
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    wchar_t temp[MAX_PATH + 1];
    std::string expected = narrow(std::wstring_view(temp, GetTempPathW(MAX_PATH + 1, temp)));
    if (!expected.empty() && expected.back() == '\\') expected.pop_back();
    EXPECT_EQ(settings_folder(), expected + "\\Tarnwick Light");
}

// Also covers a folder whose name is not ASCII: the file goes where the wide path says.
TEST(SettingsWin, SaveThenLoad) {
    const TempAppData appdata("-été");
    EXPECT_EQ(load_settings().volume, 80) << "no file yet gives the defaults";
    const Settings s = changed_settings();
    save_settings(s);
    EXPECT_EQ(read_file(appdata.folder() + "\\Tarnwick Light\\settings.ini"), format_settings(s));
    const Settings loaded = load_settings();
    EXPECT_EQ(format_settings(loaded), format_settings(s));
}

TEST(SettingsWin, NoTemporaryFileLeftAfterWrites) {
    const TempAppData appdata;
    Settings s = changed_settings();
    for (int i = 0; i < 3; ++i) {
        s.volume = 10 * i;
        save_settings(s);
    }
    EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"});
    EXPECT_EQ(load_settings().volume, 20);
}

TEST(SettingsWin, MissingFoldersAreCreated) {
    const TempAppData appdata;
    // APPDATA itself missing, two levels deep.
    const std::string deep = appdata.folder() + "\\roaming\\deeper";
    SetEnvironmentVariableW(L"APPDATA", wide(deep).c_str());
    save_settings(changed_settings());
    EXPECT_EQ(read_file(deep + "\\Tarnwick Light\\settings.ini"), format_settings(changed_settings()));

    // The folder deleted while the program runs comes back with the next write.
    remove_tree(deep + "\\Tarnwick Light");
    ASSERT_EQ(GetFileAttributesW(wide(deep + "\\Tarnwick Light").c_str()), INVALID_FILE_ATTRIBUTES);
    Settings s = changed_settings();
    s.volume = 7;
    save_settings(s);
    EXPECT_EQ(load_settings().volume, 7);
}

TEST(SettingsWin, ReadOnlyFileKeepsItsContent) {
    const TempAppData appdata;
    save_settings(changed_settings());
    const std::string old = *read_file(settings_file());
    ASSERT_TRUE(SetFileAttributesW(wide(settings_file()).c_str(), FILE_ATTRIBUTE_READONLY));
    save_settings(Settings{});
    EXPECT_EQ(read_file(settings_file()), old);
    EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"});
    SetFileAttributesW(wide(settings_file()).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SettingsWin, LockedFileKeepsItsContentUntilLetGo) {
    const TempAppData appdata;
    save_settings(changed_settings());
    const std::string old = *read_file(settings_file());
    // Another program holds the file open and lets nobody write, rename or delete it.
    const HANDLE lock =
        CreateFileW(wide(settings_file()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    save_settings(Settings{});
    CloseHandle(lock);
    EXPECT_EQ(read_file(settings_file()), old);
    EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"});

    // Held for a moment, as by a virus scanner: the save waits for it.
    const HANDLE moment =
        CreateFileW(wide(settings_file()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::thread scanner([moment] {
        Sleep(300);
        CloseHandle(moment);
    });
    save_settings(Settings{});
    scanner.join();
    EXPECT_EQ(read_file(settings_file()), format_settings(Settings{}));
    EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"});
}

// A folder stands where this copy's temporary file would go, as in a folder we may not write to: the
// save fails before it touches settings.ini.
TEST(SettingsWin, TemporaryFileThatCannotBeCreatedKeepsTheOldFile) {
    const TempAppData appdata;
    save_settings(changed_settings());
    const std::string old = *read_file(settings_file());
    const std::string blocked = settings_folder() + "\\" + settings_temporary_name(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(wide(blocked).c_str(), nullptr));
    save_settings(Settings{});
    EXPECT_EQ(read_file(settings_file()), old);
    RemoveDirectoryW(wide(blocked).c_str());
}

// Files of ended processes go at the next save; files of running ones and other names stay.
TEST(SettingsWin, NextSaveRemovesTemporaryFilesOfEndedProcesses) {
    const TempAppData appdata;
    save_settings(changed_settings());
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring exe = std::wstring(system) + L"\\cmd.exe";
    const auto launch = [&](DWORD flags) {
        std::wstring line = L"cmd.exe /c exit";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, flags | CREATE_NO_WINDOW, nullptr,
                                   nullptr, &startup, &process));
        return process;
    };
    const PROCESS_INFORMATION ended = launch(0);
    const PROCESS_INFORMATION running = launch(CREATE_SUSPENDED);
    WaitForSingleObject(ended.hProcess, 20000);
    const std::string folder = settings_folder() + "\\";
    const std::string stale = settings_temporary_name(ended.dwProcessId);
    const std::string busy = settings_temporary_name(running.dwProcessId);
    ASSERT_TRUE(write_file(folder + stale, "volume=1"));
    ASSERT_TRUE(write_file(folder + busy, "volume=2"));
    ASSERT_TRUE(write_file(folder + "settings.ini.notes.tmp", "mine"));
    save_settings(changed_settings());
    TerminateProcess(running.hProcess, 0);
    for (const auto& p : {ended, running}) {
        CloseHandle(p.hThread);
        CloseHandle(p.hProcess);
    }
    const auto entries = folder_entries(settings_folder());
    const auto has = [&](const std::string& name) { return std::count(entries.begin(), entries.end(), name) == 1; };
    EXPECT_FALSE(has(stale));
    EXPECT_TRUE(has(busy));
    EXPECT_TRUE(has("settings.ini.notes.tmp"));
}

TEST(SettingsWin, FolderThatCannotBeCreatedIsSilent) {
    const TempAppData appdata;
    // A file stands where the folder should be.
    ASSERT_TRUE(write_file(appdata.folder() + "\\Tarnwick Light", "not a folder"));
    save_settings(changed_settings());
    EXPECT_EQ(read_file(appdata.folder() + "\\Tarnwick Light"), std::string("not a folder"));
    EXPECT_EQ(load_settings().volume, 80);
}

TEST(SettingsWin, FilesThatGiveTheDefaults) {
    const TempAppData appdata;
    CreateDirectoryW(wide(settings_folder()).c_str(), nullptr);
    const std::pair<const char*, std::string> cases[] = {
        {"not UTF-8",
         "volume=20\nlanguage=fran\xE7"
         "ais\n"},
        {"larger than any settings file", "volume=20\n" + std::string(2 << 20, '#')},
    };
    for (const auto& [name, bytes] : cases) {
        ASSERT_TRUE(write_file(settings_file(), bytes));
        EXPECT_EQ(format_settings(load_settings()), format_settings(Settings{})) << name;
    }
    // A settings.ini that is a folder cannot be read either.
    DeleteFileW(wide(settings_file()).c_str());
    CreateDirectoryW(wide(settings_file()).c_str(), nullptr);
    EXPECT_EQ(format_settings(load_settings()), format_settings(Settings{}));
}

TEST(SettingsWin, NotepadFileIsRead) {
    const TempAppData appdata;
    CreateDirectoryW(wide(settings_folder()).c_str(), nullptr);
    ASSERT_TRUE(write_file(settings_file(), "\xEF\xBB\xBFvolume=33\r\nmute=1\r\nlanguage=fr\r\n"));
    const Settings s = load_settings();
    EXPECT_EQ(s.volume, 33);
    EXPECT_TRUE(s.mute);
    EXPECT_EQ(s.language, "fr");
}

}  // namespace
