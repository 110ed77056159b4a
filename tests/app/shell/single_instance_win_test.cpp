#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/shell/single_instance_win.h"
#include "support/program_windows_win.h"

namespace {

// Bytes placed so that the last one is the last readable byte of the process: the page after them
// is inaccessible, and a read past cbData crashes the test instead of passing by luck.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::string& bytes) {
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        size_ = (bytes.size() + page - 1) / page * page + page;
        base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, size_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + size_ - page, page, PAGE_NOACCESS, &old);
        data_ = base_ + size_ - page - bytes.size();
        if (!bytes.empty()) std::memcpy(data_, bytes.data(), bytes.size());
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
    void* data() const { return data_; }

private:
    unsigned char* base_ = nullptr;
    unsigned char* data_ = nullptr;
    size_t size_ = 0;
};

std::string utf16_bytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// A running copy in this process: the program's windows with a published App and a recording
// player core.
class HandOff : public PlaybackWindows {
protected:
    void SetUp() override {
        PlaybackWindows::SetUp();
        window = app.windows.main_window;
    }

    std::vector<std::string> loads() const {
        std::vector<std::string> out;
        for (const auto& call : recorder.calls)
            if (call.rfind("command [loadfile]", 0) == 0) out.push_back(call);
        return out;
    }

    HWND window = nullptr;
};

struct CopyCase {
    const char* name;
    std::string bytes;
    ULONG_PTR tag;
    bool closing;
    LRESULT expected;
    const char* opened;  // null: nothing opened
};

TEST_F(HandOff, ReceivingSide) {
    const std::u16string long_text(32768, u'x');  // 64 KiB, no terminator
    const CopyCase cases[] = {
        {"path with terminator",
         utf16_bytes(u"C:\\v\\clip one.mkv"
                     u"\0"),
         kHandOffTag, false, 1, "C:\\v\\clip one.mkv"},
        {"non-ASCII path",
         utf16_bytes(u"C:\\Vid\u00E9os\\\U0001F3AC.mkv"
                     u"\0"),
         kHandOffTag, false, 1, "C:\\Vidéos\\🎬.mkv"},
        {"no terminator", utf16_bytes(u"C:\\v\\clip.mkv"), kHandOffTag, false, 1, "C:\\v\\clip.mkv"},
        {"odd byte count", utf16_bytes(u"C:\\ab") + "c", kHandOffTag, false, 1, "C:\\ab"},
        {"embedded NUL", utf16_bytes(std::u16string_view(u"C:\\a.mkv\0b.mkv\0", 15)), kHandOffTag, false, 1,
         "C:\\a.mkv"},
        // Longer than any path Windows can open: answered, but nothing is opened.
        {"64 KiB text", utf16_bytes(long_text), kHandOffTag, false, 1, nullptr},
        {"lone surrogate",
         utf16_bytes(u"C:\\a\xD800"
                     u"b"),
         kHandOffTag, false, 1,
         "C:\\a\xEF\xBF\xBD"
         "b"},
        {"empty text", utf16_bytes(std::u16string_view(u"\0", 1)), kHandOffTag, false, 1, nullptr},
        {"one byte", "c", kHandOffTag, false, 1, nullptr},
        {"no data", "", kHandOffTag, false, 1, nullptr},
        {"wrong tag", utf16_bytes(u"clip.mkv"), 0x54574B30, false, 0, nullptr},
        {"tag in the low half only", utf16_bytes(u"clip.mkv"), (ULONG_PTR{1} << 32) | kHandOffTag, false, 0, nullptr},
        {"closing", utf16_bytes(u"clip.mkv"), kHandOffTag, true, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.calls.clear();
        app.playback.current_file.reset();
        app.closing = c.closing;
        ShowWindow(window, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(window));

        const GuardedBytes bytes(c.bytes);
        COPYDATASTRUCT data{};
        data.dwData = c.tag;
        data.cbData = static_cast<DWORD>(c.bytes.size());
        data.lpData = c.bytes.empty() ? nullptr : bytes.data();
        // Through the window procedure, as the other process's message arrives.
        EXPECT_EQ(SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), c.expected);

        EXPECT_EQ(IsIconic(window) != FALSE, c.expected == 0) << "restored only when accepted";
        if (c.opened) {
            ASSERT_EQ(loads(), std::vector<std::string>{std::string("command [loadfile] [") + c.opened + "]"});
            EXPECT_EQ(app.playback.current_file, std::string(c.opened));
        } else {
            EXPECT_TRUE(loads().empty());
            EXPECT_FALSE(app.playback.current_file.has_value());
        }
        if (c.expected == 0) {
            EXPECT_TRUE(recorder.calls.empty()) << "a refused hand-off changes nothing";
        }
        ShowWindow(window, SW_RESTORE);
    }
}

TEST_F(HandOff, NullStructureIsRefused) { EXPECT_FALSE(on_copy_data(app, nullptr)); }

TEST_F(HandOff, CopyWithoutPlayerCoreRefuses) {
    app.core.reset();
    const std::string bytes = utf16_bytes(u"C:\\clip.mkv");
    const GuardedBytes guarded(bytes);
    COPYDATASTRUCT data{kHandOffTag, static_cast<DWORD>(bytes.size()), guarded.data()};
    EXPECT_EQ(SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 0);
    EXPECT_FALSE(app.playback.current_file.has_value());
}

// The sending side finds this process's own main window, so both ends run here.
TEST_F(HandOff, SendingSide) {
    EXPECT_TRUE(hand_off_to_running_copy(std::string("C:\\Vidéos\\a b.mkv")));
    EXPECT_EQ(loads(), std::vector<std::string>{"command [loadfile] [C:\\Vidéos\\a b.mkv]"});

    // Without a file the running copy only comes forward.
    recorder.calls.clear();
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_TRUE(hand_off_to_running_copy(std::nullopt));
    EXPECT_TRUE(loads().empty());
    EXPECT_FALSE(IsIconic(window));

    // A copy that is closing refuses; the new start must open its own window.
    app.closing = true;
    EXPECT_FALSE(hand_off_to_running_copy(std::string("C:\\x.mkv")));
    EXPECT_TRUE(loads().empty());
}

}  // namespace
