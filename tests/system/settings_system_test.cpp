// Two copies of the program running at once on one settings file.
#include <gtest/gtest.h>

#include "harness_win.h"
#include "app/settings/settings.h"

namespace {

using namespace std::chrono_literals;

struct Copy {
    Running running;
    HWND main = nullptr;

    explicit Copy(const Install& install) : running(start(install, L"")) { main = running.main_window(); }
    void close() {
        PostMessageW(main, WM_CLOSE, 0, 0);
        running.wait_exit(10s);
    }
};

Settings on_disk(const Install& install) { return parse_settings(install.read_settings().value_or("")); }

// With two windows open, a preference switched in one must survive the other closing: the closing
// copy writes its placement, volume and mute, and no value it never changed.
TEST(SettingsSystem, ClosingOneCopyKeepsWhatTheOtherChanged) {
    const Install install = Install::make("full");
    install.write_settings("multi_instance=1\nhide_about=1\nvolume=40\n");
    Copy a(install);
    Copy b(install);
    ASSERT_NE(a.main, nullptr);
    ASSERT_NE(b.main, nullptr);
    ASSERT_NE(a.main, b.main);

    PostMessageW(b.main, WM_KEYDOWN, 'I', 0);  // multi-instance off, saved at once
    ASSERT_TRUE(wait_until([&] { return !on_disk(install).multi_instance; }));
    a.close();
    const Settings after_a = on_disk(install);
    EXPECT_FALSE(after_a.multi_instance);
    EXPECT_TRUE(after_a.hide_about);
    EXPECT_EQ(after_a.volume, 40);
    EXPECT_TRUE(after_a.window_valid) << "A's placement is written";

    b.close();
    const Settings after_b = on_disk(install);
    EXPECT_FALSE(after_b.multi_instance);
    EXPECT_TRUE(after_b.hide_about);
    EXPECT_TRUE(after_b.window_valid);
}

}  // namespace
