#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "harness_win.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> loaded_files(const Install& install) {
    std::vector<std::string> files;
    for (const auto& call : install.calls_of("command"))
        if (call.size() > 2 && call[1] == "loadfile") files.push_back(call[2]);
    return files;
}

int windows_of_class(const wchar_t* class_name) {
    int count = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, class_name, nullptr); w;
         w = FindWindowExW(nullptr, w, class_name, nullptr))
        ++count;
    return count;
}

struct FirstCopy {
    Install install = Install::make("full");
    Running running;
    HWND main = nullptr;

    explicit FirstCopy(const std::string& settings = "") {
        if (!settings.empty()) install.write_settings(settings);
        running = start(install, L"");
        main = running.main_window();
        wait_until([&] { return !install.calls_of("set_wakeup_callback").empty(); });
    }
    ~FirstCopy() {
        PostMessageW(main, WM_CLOSE, 0, 0);
        running.wait_exit(10s);
    }
};

TEST(HandOffSystem, SecondStartHandsItsFileToTheRunningCopyAndExits) {
    FirstCopy first;
    ASSERT_NE(first.main, nullptr);
    const size_t loads = first.install.library_loads();
    auto second = start(first.install, L"\"clip two.mkv\"", first.install.appdata);
    EXPECT_EQ(second.wait_exit(), std::optional<DWORD>(0));
    // The copy that handed its file over never loaded the library.
    EXPECT_EQ(first.install.library_loads(), loads);
    const std::string expected = narrow(first.install.appdata) + "\\clip two.mkv";
    ASSERT_TRUE(wait_until([&] { return loaded_files(first.install) == std::vector<std::string>{expected}; }));
    EXPECT_EQ(window_title(first.main), expected + " — Tarnwick Light");
    EXPECT_EQ(windows_of_class(L"TarnwickLight.Main"), 1);
}

TEST(HandOffSystem, SecondStartWithoutFileOnlyRaisesTheRunningCopy) {
    FirstCopy first;
    ASSERT_NE(first.main, nullptr);
    auto second = start(first.install, L"");
    EXPECT_EQ(second.wait_exit(), std::optional<DWORD>(0));
    Sleep(500);
    EXPECT_TRUE(loaded_files(first.install).empty());
    EXPECT_EQ(windows_of_class(L"TarnwickLight.Main"), 1);
}

TEST(HandOffSystem, MultiInstanceOpensItsOwnWindow) {
    FirstCopy first("multi_instance=1\n");
    ASSERT_NE(first.main, nullptr);
    auto second = start(first.install, L"other.mkv");
    const HWND second_main = second.main_window();
    ASSERT_NE(second_main, nullptr);
    EXPECT_NE(second_main, first.main);
    EXPECT_FALSE(second.wait_exit(1s).has_value());
    EXPECT_TRUE(loaded_files(first.install).size() == 1);  // the second copy's own loadfile
    PostMessageW(second_main, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.wait_exit(), std::optional<DWORD>(0));
}

}  // namespace
