// The taskbar side of the main window with a recording taskbar object in place of the shell's: the
// thumbnail buttons are added once and then only updated, and follow the pause state, the language
// and the DPI.
#include <gtest/gtest.h>

#include "app/playback_win.h"
#include "app/shell_win.h"
#include "base/wide_win.h"
#include "support/program_windows_win.h"
#include "ui/context_menu_win.h"

namespace {

struct RecordingTaskbar final : ITaskbarList3 {
    LONG references = 1;
    std::vector<std::string> calls;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }  // owned by the test
    HRESULT STDMETHODCALLTYPE HrInit() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND, WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetProgressValue(HWND, ULONGLONG done, ULONGLONG total) override {
        calls.push_back("value " + std::to_string(done) + "/" + std::to_string(total));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetProgressState(HWND, TBPFLAG flags) override {
        calls.push_back("state " + std::to_string(static_cast<int>(flags)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RegisterTab(HWND, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UnregisterTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTabOrder(HWND, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTabActive(HWND, HWND, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND, UINT count, LPTHUMBBUTTON buttons) override {
        return record("add", count, buttons);
    }
    HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND, UINT count, LPTHUMBBUTTON buttons) override {
        return record("update", count, buttons);
    }
    HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND, HIMAGELIST) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND, HICON, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND, RECT*) override { return S_OK; }

    // "add|update <width of the middle icon> <tips joined by |>"
    HRESULT record(const char* name, UINT count, LPTHUMBBUTTON buttons) {
        std::string line = name;
        BITMAP bitmap{};
        ICONINFO info{};
        if (count == 3 && GetIconInfo(buttons[1].hIcon, &info)) {
            GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        line += " " + std::to_string(bitmap.bmWidth);
        for (UINT i = 0; i < count; ++i) line += (i ? "|" : " ") + narrow(buttons[i].szTip);
        calls.push_back(line);
        return S_OK;
    }
};

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

TEST_F(ShellWin, ButtonsAreAddedOnceThenFollowPauseLanguageAndDpi) {
    SendMessageW(app.windows.main_window, app.windows.shell->taskbar_created, 0, 0);
    load_file(100);
    shell_follow(app);
    toggle_pause(app);
    shell_follow(app);  // nothing changed since the last call: nothing is sent
    switch_language(app, Language::french);
    RECT suggested{};
    GetWindowRect(app.windows.main_window, &suggested);
    SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(taskbar.calls, (std::vector<std::string>{
                                 "add 16 Back 10 s|Play|Forward 10 s",
                                 "state 0",
                                 "state 2",
                                 "value 0/100000",
                                 "update 16 Back 10 s|Pause|Forward 10 s",
                                 "state 8",
                                 "value 0/100000",
                                 "update 16 Back 10 s|Play|Forward 10 s",
                                 "update 16 Reculer de 10 s|Lecture|Avancer de 10 s",
                                 "update 20 Reculer de 10 s|Lecture|Avancer de 10 s",
                                 "update 16 Reculer de 10 s|Lecture|Avancer de 10 s",
                             }));
}

TEST_F(ShellWin, FailureShowsTheErrorStateUntilItsTimer) {
    shell_file_failed(app);
    EXPECT_EQ(taskbar.calls, (std::vector<std::string>{"state 4", "value 1/1"}));
    SendMessageW(app.windows.main_window, WM_TIMER, kTimerTaskbarError, 0);
    EXPECT_EQ(taskbar.calls.back(), "state 0");
    shell_close(app);
    EXPECT_EQ(taskbar.calls.back(), "state 0");
    EXPECT_FALSE(app.windows.shell->taskbar.list);
    EXPECT_EQ(taskbar.references, 1);  // the program let go of its reference
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
        EXPECT_EQ(object.references, 2);
    }
    EXPECT_EQ(object.references, 1);
}

}  // namespace
