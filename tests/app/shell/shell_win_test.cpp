// The taskbar side of the main window with the fake taskbar object in place of the shell's: the
// thumbnail buttons are added once and then only updated, and follow the pause state, the language
// and the DPI.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/playback/playback_win.h"
#include "app/shell/shell_win.h"
#include "base/wide_win.h"
#include "fake_shell/fake_taskbar_win.h"
#include "support/program_windows_win.h"
#include "ui/input/context_menu_win.h"

namespace {

// The fake taskbar kept by the test: its records as lines, the icon cut to its size
// ("ThumbBarAddButtons Play 16x16").
struct RecordingTaskbar final : fake_shell::FakeTaskbar {
    std::vector<std::string> calls;

    void record(const Fields& fields) override {
        std::string line = fields[0];
        if (fields.size() == 5)
            line += " " + fields[3] + " " + fields[4].substr(0, fields[4].find(':'));
        else
            for (size_t i = 1; i < fields.size(); ++i) line += " " + fields[i];
        calls.push_back(line);
    }
    void released() override {}  // owned by the test
};

// The records of one call that sets the three buttons.
std::vector<std::string> buttons(const std::string& call, const std::vector<std::string>& tips,
                                 const std::string& size) {
    std::vector<std::string> lines;
    for (const auto& tip : tips) lines.push_back(call + " " + tip + " " + size);
    return lines;
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class ShellWin : public ProgramWindows {
protected:
    RecordingTaskbar taskbar;

    void SetUp() override {
        ProgramWindows::SetUp();
        app.windows.shell.reset(new Shell);
        app.windows.shell->taskbar_created = RegisterWindowMessageW(L"TaskbarButtonCreated");
        taskbar.AddRef();  // the program's reference
        app.windows.shell->taskbar.list.reset(&taskbar);
    }
    void TearDown() override {
        app.windows.shell.reset();
        set_active_language(Language::english);
        ProgramWindows::TearDown();
    }
};

// The button's message comes twice here, as when start-up has added the buttons and the message was
// still queued: the toolbar is added once, and the second time updated.
TEST_F(ShellWin, ButtonsAreAddedOnceThenFollowPauseLanguageAndDpi) {
    SendMessageW(app.windows.main_window, app.windows.shell->taskbar_created, 0, 0);
    SendMessageW(app.windows.main_window, app.windows.shell->taskbar_created, 0, 0);
    load_file(100);
    shell_follow(app);
    toggle_pause(app);
    shell_follow(app);  // nothing changed since the last call: nothing is sent
    run_command(app, {CommandId::switch_language, 0, Language::french});
    RECT suggested{};
    GetWindowRect(app.windows.main_window, &suggested);
    SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    const std::vector<std::string> english_play{"Back 10 s", "Play", "Forward 10 s"};
    const std::vector<std::string> french_play{"Reculer de 10 s", "Lecture", "Avancer de 10 s"};
    EXPECT_EQ(taskbar.calls, joined({
                                 buttons("ThumbBarAddButtons", english_play, "16x16"),
                                 {"SetProgressState 0"},
                                 buttons("ThumbBarUpdateButtons", english_play, "16x16"),
                                 {"SetProgressState 0", "SetProgressState 2", "SetProgressValue 0 100000"},
                                 buttons("ThumbBarUpdateButtons", {"Back 10 s", "Pause", "Forward 10 s"}, "16x16"),
                                 {"SetProgressState 8", "SetProgressValue 0 100000"},
                                 buttons("ThumbBarUpdateButtons", english_play, "16x16"),
                                 buttons("ThumbBarUpdateButtons", french_play, "16x16"),
                                 buttons("ThumbBarUpdateButtons", french_play, "20x20"),
                                 buttons("ThumbBarUpdateButtons", french_play, "16x16"),
                             }));
}

TEST_F(ShellWin, FailureShowsTheErrorStateUntilItsTimer) {
    shell_file_failed(app);
    EXPECT_EQ(taskbar.calls, (std::vector<std::string>{"SetProgressState 4", "SetProgressValue 1 1"}));
    SendMessageW(app.windows.main_window, WM_TIMER, kTimerTaskbarError, 0);
    EXPECT_EQ(taskbar.calls.back(), "SetProgressState 0");
    shell_close(app);
    EXPECT_EQ(taskbar.calls.back(), "SetProgressState 0");
    EXPECT_FALSE(app.windows.shell->taskbar.list);
    EXPECT_EQ(taskbar.references(), 1u);  // the program let go of its reference
}

// SHAddToRecentDocs stalls (a network path whose server has gone) until the test lets it go, after
// the next file and the close: a window's thread that waited for it would wait the 20 s out.
HANDLE g_started = CreateSemaphoreW(nullptr, 0, 8, nullptr);
HANDLE g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
HANDLE g_finished = CreateSemaphoreW(nullptr, 0, 8, nullptr);
std::atomic<int> g_waited_out{0};

TEST_F(ShellWin, StalledRecentDocumentsHoldNeitherTheNextFileNorTheClose) {
    app.windows.shell->add_recent_document = [](const wchar_t*) {
        ReleaseSemaphore(g_started, 1, nullptr);
        if (WaitForSingleObject(g_release, 20000) != WAIT_OBJECT_0) ++g_waited_out;
        ReleaseSemaphore(g_finished, 1, nullptr);
    };
    for (const char* file : {"C:\\a.mkv", "C:\\b.mkv"}) {
        load_file(100);
        app.playback.current_file = std::string(file);
        SendMessageW(app.windows.main_window, WM_TIMER, kTimerRecentDocuments, 0);
        ASSERT_EQ(WaitForSingleObject(g_started, 10000), WAIT_OBJECT_0) << file;
    }
    shell_close(app);
    SetEvent(g_release);
    for (int i = 0; i < 2; ++i) ASSERT_EQ(WaitForSingleObject(g_finished, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(g_waited_out, 0);
}

TEST(ShellOwners, IconAndComReferenceAreReleasedOnce) {
    OwnedIcon icon(create_thumb_icon(ThumbIcon::pause, 24));
    const HICON handle = icon.get();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 24);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    OwnedIcon moved(std::move(icon));
    EXPECT_EQ(icon.get(), nullptr);
    moved.reset();
    EXPECT_FALSE(GetIconInfo(handle, &info));

    RecordingTaskbar object;
    object.AddRef();  // the owner's reference
    {
        ComRef<ITaskbarList3> first(&object);
        ComRef<ITaskbarList3> second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(object.references(), 2u);
    }
    EXPECT_EQ(object.references(), 1u);
}

}  // namespace
