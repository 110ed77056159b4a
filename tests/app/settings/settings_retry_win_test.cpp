// Another program holding settings.ini (a virus scanner, a backup program) while the user switches
// preferences: the window keeps answering, and no change is lost or undone.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include "support/program_windows_win.h"

namespace {

TEST(SettingsRetryWin, HeldFileNeitherBlocksTheWindowNorLosesAChange) {
    // How long the file is held without delete sharing (the rename over it fails meanwhile), and how
    // long the test watches the window.
    const std::pair<ULONGLONG, ULONGLONG> cases[] = {{3000, 10000}, {UINT64_MAX, 2500}};
    for (const auto& [held_ms, watched_ms] : cases) {
        MainWindow w;
        save_settings(Settings{});
        const auto old = read_settings_file();
        HANDLE held = CreateFileW(wide(settings_path()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const ULONGLONG start = GetTickCount64();
        ULONGLONG longest = 0;  // the longest the window took over one message
        const auto timed = [&](auto&& handle) {
            const ULONGLONG before = GetTickCount64();
            handle();
            longest = std::max(longest, GetTickCount64() - before);
        };
        for (const WPARAM key : {'I', 'T'}) timed([&] { w.send(WM_KEYDOWN, key, 1); });  // two switches on
        const auto landed = [] {
            const Settings now = parse_settings(read_settings_file().value_or(""));
            return now.multi_instance && now.always_on_top;
        };
        while (GetTickCount64() - start < watched_ms && !landed()) {
            if (held && GetTickCount64() - start >= held_ms) held = (CloseHandle(held), nullptr);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) timed([&] { DispatchMessageW(&message); });
            Sleep(10);
        }
        EXPECT_LT(longest, 500u) << held_ms;
        EXPECT_EQ(landed(), !held) << held_ms;
        if (held) {
            EXPECT_EQ(read_settings_file(), old) << "never let go";
            CloseHandle(held);
        }
        EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"}) << held_ms;
    }
}

// A failure that no retry can mend (here the settings folder is a file; on a share that no longer
// answers, each try would hold the window for the network's time-out) is not tried again.
TEST(SettingsRetryWin, FailureThatATryCannotMendIsNotTriedAgain) {
    MainWindow w;
    const std::wstring folder = wide(settings_folder());
    DeleteFileW(wide(settings_path()).c_str());
    RemoveDirectoryW(folder.c_str());  // when there is one
    const HANDLE blocker = CreateFileW(folder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
    CloseHandle(blocker);
    w.send(WM_KEYDOWN, 'I', 1);
    EXPECT_TRUE(w.app.settings.multi_instance);  // in force for this run
    EXPECT_FALSE(w.app.settings_retry.pending);
    DeleteFileW(folder.c_str());
}

}  // namespace
