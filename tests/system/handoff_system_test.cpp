#include <algorithm>

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

// As Explorer opens several selected videos: one process per file, all at once, with no copy running.
TEST(HandOffSystem, CopiesStartedTogetherLeaveOneWindow) {
    const Install install = Install::make("full");
    std::vector<Running> copies;
    std::vector<std::string> files;
    for (int i = 1; i <= 6; ++i) {
        const std::wstring name = L"together " + std::to_wstring(i) + L".mkv";
        files.push_back(narrow(install.appdata + L"\\" + name));
        copies.push_back(start(install, L"\"" + name + L"\"", install.appdata));
    }
    const auto exited = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](const Running& r) { return r.wait_exit(0s).has_value(); });
    };
    wait_until([&] { return exited() == 5; }, 30s);
    Sleep(500);                // a sixth that would exit too
    std::vector<size_t> left;  // the copies still running
    for (size_t i = 0; i < copies.size(); ++i) {
        const auto code = copies[i].wait_exit(0s);
        if (code)
            EXPECT_EQ(*code, 0u) << i;
        else
            left.push_back(i);
    }
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(windows_of_class(L"TarnwickLight.Main"), 1);
    EXPECT_EQ(install.library_loads(), 1u);  // the five that handed over never loaded it
    const HWND main = copies[left[0]].main_window();
    ASSERT_TRUE(wait_until([&] { return loaded_files(install).size() == 6; })) << loaded_files(install).size();
    const std::string playing = loaded_files(install).back();
    EXPECT_NE(std::find(files.begin(), files.end(), playing), files.end()) << playing;
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(copies[left[0]].wait_exit(), std::optional<DWORD>(0));
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
