// The seek bar's time popup on the real main window: where it stands, what it says, and every way it
// goes.
#include "base/win32_win.h"

#include <cmath>
#include <functional>
#include <string>

#include "base/dpi_scale.h"
#include "support/program_windows_win.h"
#include "ui/bar/bar_model.h"
#include "ui/bar/seek_preview_win.h"
#include "ui/state_changed_win.h"

namespace {

class SeekPreviewPopup : public ProgramWindows {
protected:
    void TearDown() override {
        hide_seek_preview(app);
        ProgramWindows::TearDown();
    }

public:  // for the cases' actions
    using ProgramWindows::app;
    using ProgramWindows::layout;
    using ProgramWindows::send;
    int bar_y() const { return bar_top() + bar_height(app) / 2; }
    int seek_x(double fraction) const {
        const BarRect r = layout().seek_rect;
        return r.left + static_cast<int>(std::ceil(fraction * (r.right - r.left)));  // not a pixel short
    }
    bool shown() const { return app.windows.seek_preview && IsWindowVisible(app.windows.seek_preview); }
    std::string text() const { return window_text(app.windows.seek_preview); }
    static std::string window_text(HWND window) {
        wchar_t buffer[64] = {};
        GetWindowTextW(window, buffer, 64);
        return narrow(buffer);
    }
};

TEST_F(SeekPreviewPopup, ShowsTheTimeAtThePointerAboveTheBarWithoutTheFocus) {
    load_file(200);
    for (const auto& [fraction, expected] : {std::pair{0.25, "0:50"}, std::pair{0.75, "2:30"}}) {
        send(WM_MOUSEMOVE, seek_x(fraction), bar_y());
        ASSERT_TRUE(shown()) << fraction;
        EXPECT_EQ(text(), expected);
        RECT popup{};
        GetWindowRect(app.windows.seek_preview, &popup);
        POINT bar_corner{seek_x(fraction), bar_top()};
        ClientToScreen(app.windows.main_window, &bar_corner);
        EXPECT_LE(std::abs((popup.left + popup.right) / 2 - bar_corner.x), 1) << fraction;
        EXPECT_EQ(popup.bottom, bar_corner.y - scale_px(6, app.windows.dpi));
    }
    // The bar's colours: its top line as the frame, its background inside.
    const Picture picture = print_client(app.windows.seek_preview);
    ASSERT_GT(picture.width, 2);
    EXPECT_EQ(picture.at(0, 0), app.windows.palette.top_line);
    EXPECT_EQ(picture.at(1, 1), app.windows.palette.background);
    EXPECT_EQ(GetActiveWindow(), app.windows.main_window);
    EXPECT_EQ(GetFocus(), app.windows.main_window);
    const LONG_PTR ex_style = GetWindowLongPtrW(app.windows.seek_preview, GWL_EXSTYLE);
    EXPECT_EQ(ex_style & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW), WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(app.windows.seek_preview, GW_OWNER), app.windows.main_window);

    // A drag shows its target, wherever the pointer wanders.
    send(WM_LBUTTONDOWN, seek_x(0.5), bar_y(), MK_LBUTTON);
    send(WM_MOUSEMOVE, seek_x(0.1), bar_y() - 80, MK_LBUTTON);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(), "0:20");
    send(WM_LBUTTONUP, seek_x(0.1), bar_y() - 80);
    EXPECT_FALSE(shown());  // released over the video
}

TEST_F(SeekPreviewPopup, GoesByEveryRule) {
    const struct Case {
        const char* what;
        std::function<void(SeekPreviewPopup&)> act;
    } cases[] = {
        {"pointer left the window", [](SeekPreviewPopup& t) { t.send(WM_MOUSELEAVE, 0, 0); }},
        {"pointer on the video", [](SeekPreviewPopup& t) { t.send(WM_MOUSEMOVE, 200, 100); }},
        {"pointer on the volume",
         [](SeekPreviewPopup& t) { t.send(WM_MOUSEMOVE, t.layout().volume_rect.left + 3, t.bar_y()); }},
        {"file closed",
         [](SeekPreviewPopup& t) {
             t.app.playback.file_loaded = false;
             state_changed(t.app, kChangedPlayback);
         }},
        {"file ended",
         [](SeekPreviewPopup& t) {
             t.app.playback.eof_reached = true;
             state_changed(t.app, kChangedPlayback);
         }},
        {"bar hidden in full screen",
         [](SeekPreviewPopup& t) {
             t.app.mode.fullscreen = true;
             t.app.mode.bar_shown = false;
             state_changed(t.app, kChangedBar);
         }},
        {"window deactivated", [](SeekPreviewPopup& t) { t.send(WM_ACTIVATE, WA_INACTIVE, 0); }},
    };
    for (const Case& c : cases) {
        reset_state();
        load_file(200);
        SetFocus(app.windows.main_window);
        send(WM_MOUSEMOVE, seek_x(0.5), bar_y());
        ASSERT_TRUE(shown()) << c.what;
        c.act(*this);
        EXPECT_FALSE(shown()) << c.what;
    }
    // The end takes it away until the pointer next moves over the seek bar, to jump back from there.
    reset_state();
    load_file(200);
    SetFocus(app.windows.main_window);
    send(WM_MOUSEMOVE, seek_x(0.5), bar_y());
    app.playback.eof_reached = true;
    state_changed(app, kChangedPlayback);
    state_changed(app, kChangedPlayback);
    EXPECT_FALSE(shown());
    send(WM_MOUSEMOVE, seek_x(0.3), bar_y());
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(), "1:00");
    // Nothing to preview: no duration known yet.
    reset_state();
    load_file(0);
    send(WM_MOUSEMOVE, seek_x(0.5), bar_y());
    EXPECT_FALSE(shown());
}

}  // namespace
