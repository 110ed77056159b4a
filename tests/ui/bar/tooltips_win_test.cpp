// The tooltip control: one tool per button, texts read back from the control in both languages.
#include "base/win32_win.h"

#include "app/settings/language.h"
#include "base/wide_win.h"
#include "support/program_windows_win.h"
#include "ui/bar/bar_model.h"

namespace {

class Tooltips : public ProgramWindows {
protected:
    void TearDown() override {
        set_active_language(Language::english);
        ProgramWindows::TearDown();
    }

    TOOLINFOW tool(uint8_t id) const {
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = app.windows.main_window;
        info.uId = static_cast<UINT_PTR>(id) + 1;
        return info;
    }

    std::wstring text(uint8_t id) const {
        wchar_t buffer[256] = {};
        TOOLINFOW info = tool(id);
        info.lpszText = buffer;
        SendMessageW(app.windows.tooltip_window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
        return buffer;
    }

    RECT rect(uint8_t id) const {
        TOOLINFOW info = tool(id);
        SendMessageW(app.windows.tooltip_window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    }

    void recreate() {
        DestroyWindow(app.windows.tooltip_window);
        app.windows.tooltip_window = nullptr;
        create_tooltips(app);
    }
};

TEST_F(Tooltips, TenToolsWithTheTextsOfTheActiveLanguage) {
    ASSERT_NE(app.windows.tooltip_window, nullptr);
    EXPECT_EQ(class_name_of(app.windows.tooltip_window), L"tooltips_class32");
    EXPECT_EQ(GetWindow(app.windows.tooltip_window, GW_OWNER), app.windows.main_window);
    EXPECT_EQ(SendMessageW(app.windows.tooltip_window, TTM_GETTOOLCOUNT, 0, 0), 10);
    for (uint8_t id = 0; id < kBarButtonCount; ++id) EXPECT_EQ(text(id), wide(bar_button_tooltip(id))) << int(id);
    EXPECT_EQ(text(kButtonPlayPause), L"Play / Pause (Space)");
    EXPECT_EQ(text(kButtonVolume), L"Mute (M) \x2014 wheel or \x2191/\x2193 for volume");
}

TEST_F(Tooltips, LanguageSwitchReplacesEveryText) {
    set_active_language(Language::french);
    recreate();
    EXPECT_EQ(SendMessageW(app.windows.tooltip_window, TTM_GETTOOLCOUNT, 0, 0), 10);
    for (uint8_t id = 0; id < kBarButtonCount; ++id) EXPECT_EQ(text(id), wide(bar_button_tooltip(id))) << int(id);
    EXPECT_EQ(text(kButtonAudio), L"Piste audio (A : suivante)");
    EXPECT_EQ(text(kButtonHelp), L"Aide (F1)");

    set_active_language(Language::english);
    recreate();
    EXPECT_EQ(text(kButtonAudio), L"Audio track (A: next)");
}

// The layout of the children moves the tools over the buttons, or empties them while the bar is hidden.
TEST_F(Tooltips, ToolRectanglesFollowTheButtons) {
    const int top = bar_top();
    layout_children(app);
    const BarLayout l = layout();
    for (const BarButton& button : l.buttons) {
        const RECT r = rect(button.id);
        EXPECT_EQ(r.left, button.rect.left) << int(button.id);
        EXPECT_EQ(r.right, button.rect.right) << int(button.id);
        EXPECT_EQ(r.top, top) << int(button.id);
        EXPECT_EQ(r.bottom, top + bar_height(app)) << int(button.id);
    }
    app.mode.fullscreen = true;
    app.mode.bar_shown = false;
    layout_children(app);
    const RECT hidden = rect(kButtonHelp);
    EXPECT_TRUE(IsRectEmpty(&hidden));
    app.mode.fullscreen = false;
    layout_children(app);
}

}  // namespace
