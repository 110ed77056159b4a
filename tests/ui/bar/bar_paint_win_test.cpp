// The bar painted through its own window procedure into a real bitmap, pixels read back.
#include "base/win32_win.h"

#include "base/dpi_scale.h"
#include "base/number_format.h"
#include "support/program_windows_win.h"
#include "ui/bar/bar_model.h"

namespace {

constexpr COLORREF kBackground = kDarkPalette.background;
constexpr COLORREF kTopLine = kDarkPalette.top_line;
constexpr COLORREF kHover = kDarkPalette.hover;
constexpr COLORREF kNormal = kDarkPalette.normal;
constexpr COLORREF kAccent = kDarkPalette.accent;
constexpr COLORREF kDimmed = kDarkPalette.dimmed;
constexpr COLORREF kTrack = kDarkPalette.track;

class BarPaint : public ProgramWindows {
protected:
    Picture paint() { return print_client(app.windows.bar_window); }
    int centre_y() const { return bar_height(app) / 2; }
};

TEST_F(BarPaint, BackgroundAndTopLineAtSeveralDpis) {
    for (uint32_t dpi : {96u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        app.windows.dpi = dpi;
        layout_children(app);
        const Picture picture = paint();
        ASSERT_EQ(picture.width, kClientWidth);
        ASSERT_EQ(picture.height, scale_px(44, dpi));
        const int line = scale_px(1, dpi);
        for (int x : {0, 2, picture.width / 2, picture.width - 1}) {
            for (int y = 0; y < line; ++y) EXPECT_EQ(picture.at(x, y), kTopLine) << x << "," << y;
        }
        // The margin left of the first button, and the gap between the seek bar and the mute button.
        EXPECT_EQ(picture.at(1, line), kBackground);
        EXPECT_EQ(picture.at(1, picture.height - 1), kBackground);
        const BarLayout l = compute_bar_layout(dpi, picture.width, picture.height);
        if (l.seek_rect.right + 2 < l.button(kButtonVolume).rect.left) {
            EXPECT_EQ(picture.at(l.seek_rect.right + 2, picture.height / 2), kBackground);
        }
    }
}

TEST_F(BarPaint, SeekFillFollowsThePosition) {
    load_file(200);
    app.playback.position = 50;
    const BarLayout l = layout();
    const int width = l.seek_rect.right - l.seek_rect.left;
    const int fx = l.seek_rect.left + width / 4;
    const int cy = centre_y();
    Picture picture = paint();
    EXPECT_EQ(picture.at(l.seek_rect.left + width / 8, cy), kAccent);
    EXPECT_EQ(picture.at(fx - 2, cy), kAccent);
    EXPECT_EQ(picture.at(fx + 2, cy), kTrack);
    EXPECT_EQ(picture.at(l.seek_rect.left + 3 * width / 4, cy), kTrack);
    // Four pixels thick while idle: cy - 2 .. cy + 1. (Wine's RoundRect fills one row more at the
    // bottom than Windows with a null pen, so only the top edge is exact.)
    EXPECT_EQ(picture.at(fx + 20, cy - 2), kTrack);
    EXPECT_EQ(picture.at(fx + 20, cy + 1), kTrack);
    EXPECT_EQ(picture.at(fx + 20, cy - 3), kBackground);
    EXPECT_EQ(picture.at(fx + 20, cy + 4), kBackground);

    // While dragging, the fill follows the drag, not the player.
    app.bar.drag = Drag::seek;
    app.bar.seek_fraction = 0.75;
    picture = paint();
    EXPECT_EQ(picture.at(l.seek_rect.left + width / 2, cy), kAccent);
    EXPECT_EQ(picture.at(l.seek_rect.left + width * 3 / 4 + 10, cy), kTrack);
}

TEST_F(BarPaint, HoveredSeekBarIsThickerWithAKnob) {
    load_file(200);
    app.playback.position = 100;
    const BarLayout l = layout();
    const int fx = l.seek_rect.left + (l.seek_rect.right - l.seek_rect.left) / 2;
    const int cy = centre_y();
    const int away = fx + 40;

    Picture picture = paint();
    EXPECT_EQ(picture.at(away, cy - 3), kBackground);
    EXPECT_EQ(picture.at(fx, cy - 5), kBackground);

    app.bar.hover_button = BarHit::seek_bar;
    picture = paint();
    EXPECT_EQ(picture.at(away, cy - 3), kTrack);  // six pixels: cy - 3 .. cy + 2
    EXPECT_EQ(picture.at(away, cy + 2), kTrack);
    EXPECT_EQ(picture.at(away, cy - 4), kBackground);
    EXPECT_EQ(picture.at(fx, cy - 5), kNormal);  // the knob, radius 7
    EXPECT_EQ(picture.at(fx + 5, cy), kNormal);
    EXPECT_EQ(picture.at(fx, cy - 9), kBackground);
}

TEST_F(BarPaint, KnobAtTheLeftEndWithNothingLoaded) {
    app.bar.hover_button = BarHit::seek_bar;
    const BarLayout l = layout();
    const Picture picture = paint();
    EXPECT_EQ(picture.at(l.seek_rect.left + 1, centre_y() - 5), kNormal);
    EXPECT_EQ(picture.at(l.seek_rect.left + 30, centre_y()), kTrack);
}

TEST_F(BarPaint, VolumeFillDimmedWhileMuted) {
    app.playback.current_volume = 60;
    const BarLayout l = layout();
    const int inside = l.volume_rect.left + (l.volume_rect.right - l.volume_rect.left) * 3 / 10;
    const int outside = l.volume_rect.left + (l.volume_rect.right - l.volume_rect.left) * 8 / 10;
    Picture picture = paint();
    EXPECT_EQ(picture.at(inside, centre_y()), kAccent);
    EXPECT_EQ(picture.at(outside, centre_y()), kTrack);
    app.playback.muted = true;
    picture = paint();
    EXPECT_EQ(picture.at(inside, centre_y()), kDimmed);
    EXPECT_EQ(picture.at(outside, centre_y()), kTrack);

    app.bar.hover_button = BarHit::volume;
    picture = paint();
    EXPECT_EQ(picture.at(outside, centre_y() - 3), kTrack);
}

TEST_F(BarPaint, HoveredButtonGetsItsRoundedBackground) {
    const BarLayout l = layout();
    const int cy = centre_y();
    for (uint8_t id : {uint8_t{kButtonOpen}, uint8_t{kButtonAudio}, uint8_t{kButtonHelp}}) {
        SCOPED_TRACE(int(id));
        const BarRect& r = l.button(id).rect;
        app.bar.hover_button = BarHit::none;
        Picture picture = paint();
        EXPECT_EQ(picture.at(r.left + 4, cy), kBackground);
        app.bar.hover_button = button_hit(id);
        picture = paint();
        EXPECT_EQ(picture.at(r.left + 4, cy), kHover);
        EXPECT_EQ(picture.at(r.right - 4, cy), kHover);
        EXPECT_EQ(picture.at(r.left + 6, 7), kHover);  // just inside the 6-pixel inset
        EXPECT_EQ(picture.at(r.left + 4, 4), kBackground);
        EXPECT_EQ(picture.at(r.left + 1, cy), kBackground);
        // The neighbour stays plain.
        EXPECT_EQ(picture.at(r.right + 4, cy) == kHover, false);
    }
}

TEST_F(BarPaint, EmptyClientAreaPaintsWithoutHarm) {
    SetWindowPos(app.windows.bar_window, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    const Picture picture = paint();
    EXPECT_EQ(picture.width, 0);
    EXPECT_EQ(SendMessageW(app.windows.bar_window, WM_ERASEBKGND, 0, 0), 1);
    // WM_PAINT through the real paint path, with nothing to copy.
    InvalidateRect(app.windows.bar_window, nullptr, FALSE);
    UpdateWindow(app.windows.bar_window);
}

TEST_F(BarPaint, NoPaintingBeforeTheAppStateExists) {
    g_app = nullptr;
    const Picture picture = print_client(app.windows.bar_window);
    g_app = &app;
    // The default WM_PRINTCLIENT leaves the bitmap as it was created: nothing of the bar's colours.
    EXPECT_NE(picture.at(2, 0), kTopLine);
}

TEST_F(BarPaint, FontsAreRecreatedForTheDpi) {
    const HFONT before = app.windows.fonts.text.get();
    app.windows.dpi = 192;
    create_fonts(app);
    EXPECT_NE(app.windows.fonts.text.get(), nullptr);
    EXPECT_EQ(GetObjectType(before), 0u) << "the old font must be deleted";
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(app.windows.fonts.text.get(), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -26);
    ASSERT_TRUE(GetObjectW(app.windows.fonts.title.get(), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -40);
    EXPECT_EQ(font.lfWeight, 600);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Segoe UI");
    ASSERT_TRUE(GetObjectW(app.windows.fonts.large_icon.get(), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -36);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Segoe MDL2 Assets");
    EXPECT_EQ(font.lfQuality, CLEARTYPE_QUALITY);
}

}  // namespace
