// Messages another process sends the running program: hand-offs of every odd shape, bursts, drops
// whose handle belongs to nobody in this process, and the program's private messages. The program
// must keep answering and open nothing but what a starting copy would send.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "harness_win.h"
#include "app/shell/single_instance_win.h"
#include "base/wide_win.h"

namespace {

struct Target {
    Install install = Install::make("full");
    Running running = start(install, L"");
    HWND main = running.main_window();

    ~Target() {
        if (!main) return;
        PostMessageW(main, WM_CLOSE, 0, 0);
        running.wait_exit();
    }
    bool answers() const {
        DWORD_PTR ignored = 0;
        return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
    }
    std::vector<std::string> loaded() const {
        std::vector<std::string> files;
        for (const auto& call : install.calls_of("command"))
            if (call.size() >= 3 && call[1] == "loadfile") files.push_back(call[2]);
        return files;
    }
    // -1 when the message was not answered within `timeout_ms`.
    LRESULT copy_data(ULONG_PTR tag, const void* bytes, DWORD size, UINT timeout_ms = 60000) const {
        COPYDATASTRUCT data{tag, size, const_cast<void*>(bytes)};
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeout_ms,
                                 &result))
            return -1;
        return static_cast<LRESULT>(result);
    }
};

std::u16string units(const std::string& text) {
    const std::wstring w = wide(text);
    return std::u16string(w.begin(), w.end());
}

TEST(HostileMessages, OddHandOffsOpenOnlyWhatAStartingCopySends) {
    Target target;
    ASSERT_NE(target.main, nullptr);
    const std::string folder = narrow(target.install.folder);
    struct Case {
        const char* name;
        ULONG_PTR tag;
        std::u16string text;  // sent without a terminator unless it holds one
        DWORD size;           // bytes; ~0u: the whole text
        LRESULT result;
        bool opens;
    };
    const Case cases[] = {
        {"size 0", kHandOffTag, u"", 0, 1, false},
        {"one byte", kHandOffTag, u"C", 1, 1, false},
        {"odd size", kHandOffTag, u"C:\\films\\odd.mkv", 31, 1, true},
        {"no terminator", kHandOffTag, u"C:\\films\\open.mkv", ~0u, 1, true},
        {"wrong tag", kHandOffTag + 1, std::u16string(u"C:\\films\\tag.mkv\0", 17), ~0u, 0, false},
        {"relative path", kHandOffTag, u"films\\relative.mkv", ~0u, 1, false},
        {"folder", kHandOffTag, units(folder), ~0u, 1, false},
        {"device", kHandOffTag, u"CON", ~0u, 1, false},
        {"device in a folder", kHandOffTag, u"C:\\films\\nul.mkv", ~0u, 1, false},
        {"device namespace", kHandOffTag, u"\\\\.\\PhysicalDrive0", ~0u, 1, false},
        {"path with ..", kHandOffTag, u"C:\\films\\..\\films\\dots.mkv", ~0u, 1, true},
        {"1 MiB", kHandOffTag, u"C:\\" + std::u16string(1 << 19, u'a'), ~0u, 1, false},
    };
    size_t expected_loads = 0;
    for (const auto& c : cases) {
        const DWORD size = c.size == ~0u ? static_cast<DWORD>(c.text.size() * 2) : c.size;
        EXPECT_EQ(target.copy_data(c.tag, c.text.empty() ? nullptr : c.text.data(), size), c.result) << c.name;
        if (c.opens) ++expected_loads;
        EXPECT_EQ(target.loaded().size(), expected_loads) << c.name;
    }
    const std::vector<std::string> loaded = target.loaded();
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0], "C:\\films\\odd.mk");
    EXPECT_EQ(loaded[2], "C:\\films\\..\\films\\dots.mkv");
    EXPECT_TRUE(target.answers());
}

// Windows maps 16 MiB into the receiver and the program refuses the text (answer 1). Wine 8 copies the
// data onto the receiving thread's stack, overflows it, and GetMessageW fails: the message is lost and
// the sender times out. Either way the program goes on and closes normally; it used to take the
// failure for the end of its message loop and vanish without saving.
TEST(HostileMessages, SixteenMebibytesLeaveTheProgramRunning) {
    Target target;
    ASSERT_NE(target.main, nullptr);
    const std::u16string huge = u"C:\\" + std::u16string(8 << 20, u'a');
    const LRESULT result = target.copy_data(kHandOffTag, huge.data(), static_cast<DWORD>(huge.size() * 2), 10000);
    EXPECT_NE(result, 0);  // a hand-off is never refused while the program runs
    EXPECT_TRUE(target.answers());
    EXPECT_TRUE(target.loaded().empty());
    DeleteFileW(target.install.settings_file().c_str());
    PostMessageW(target.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(target.running.wait_exit(), std::optional<DWORD>(0));
    target.main = nullptr;
    EXPECT_TRUE(target.install.read_settings().has_value());
}

TEST(HostileMessages, BurstsOfHandOffsDropsAndPrivateMessagesChangeNothing) {
    Target target;
    ASSERT_NE(target.main, nullptr);
    ASSERT_TRUE(wait_until([&] { return !target.install.calls_of("command_async").empty(); }));  // "Drop a video here"
    const size_t async_before = target.install.calls_of("command_async").size();
    const std::u16string wrong(u"C:\\films\\burst.mkv");
    for (int i = 0; i < 2000; ++i) target.copy_data(i % 2 ? kHandOffTag + 7 : 0, wrong.data(), 36);
    // A drop's handle is only meaningful in the process that made it; from elsewhere it names nothing
    // or some unrelated memory of this process.
    const WPARAM handles[] = {0, 1, 4, 0x10000, 0x7FFE0000, 0xDEADBEEF, static_cast<WPARAM>(-1), 0x00140000};
    for (int i = 0; i < 2000; ++i) PostMessageW(target.main, WM_DROPFILES, handles[i % 8] + (i / 8) * 16, 0);
    for (UINT n = 0; n < 64; ++n)
        for (int i = 0; i < 20; ++i) PostMessageW(target.main, WM_APP + n, i, -i);
    EXPECT_TRUE(target.answers());
    EXPECT_TRUE(target.loaded().empty());
    EXPECT_EQ(target.install.calls_of("command_async").size(), async_before);
    EXPECT_TRUE(IsWindowVisible(target.main));
}

}  // namespace
