// Another program holding settings.ini (a virus scanner, a backup program) while the user switches
// preferences: the window keeps answering, and no change is lost or undone.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include "support/program_windows_win.h"

namespace {

TEST(SettingsRetryWin, HeldFileNeitherBlocksTheWindowNorLosesAChange) {
    const struct {
        const char* name;
        ULONGLONG held_ms;  // then let go
        ULONGLONG watched_ms;
    } cases[] = {{"held for 3 s", 3000, 10000}, {"never let go", UINT64_MAX, 2500}};
    for (const auto& c : cases) {
        MainWindow w;
        save_settings(Settings{});
        const auto old = read_settings_file();
        // Open without delete sharing: the rename over it fails until it is closed.
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
        // Multi-instance on, then always on top on: two changes while the file is held.
        for (const WPARAM key : {WPARAM{'I'}, WPARAM{'T'}}) timed([&] { w.send(WM_KEYDOWN, key, 1); });
        const auto landed = [] {
            const Settings s = parse_settings(read_settings_file().value_or(""));
            return s.multi_instance && s.always_on_top;
        };
        while (GetTickCount64() - start < c.watched_ms && !landed()) {
            if (held && GetTickCount64() - start >= c.held_ms) {
                CloseHandle(held);
                held = nullptr;
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) timed([&] { DispatchMessageW(&message); });
            Sleep(10);
        }
        EXPECT_LT(longest, 500u) << c.name;
        if (held) {
            EXPECT_EQ(read_settings_file(), old) << c.name;
            CloseHandle(held);
        } else {
            EXPECT_TRUE(landed()) << c.name;
        }
        EXPECT_EQ(folder_entries(settings_folder()), std::vector<std::string>{"settings.ini"}) << c.name;
    }
}

}  // namespace
