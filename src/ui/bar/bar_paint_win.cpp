// Painting the control bar from the App state. The decisions (glyphs, colours, texts, slider shapes)
// are made in bar_model.cpp; this file only draws them.
#include "ui/bar/bar_paint_win.h"

#include <string>

#include "app/app_state_win.h"
#include "base/dpi_scale.h"
#include "base/gdi_win.h"
#include "base/number_format.h"
#include "base/wide_win.h"
#include "ui/bar/bar_model.h"

void paint_slider(HDC dc, uint32_t dpi, const Palette& palette, const BarRect& rect, double fraction, bool active,
                  COLORREF fill) {
    const SliderShapes shapes = slider_shapes(dpi, rect, fraction, active);
    const RECT track = to_rect(shapes.track);
    fill_round_rect(dc, track, shapes.corner, palette.track_edge);
    if (palette.track_edge != palette.track)  // an outline one pixel wide
        fill_round_rect(dc, RECT{track.left + 1, track.top + 1, track.right - 1, track.bottom - 1}, shapes.corner,
                        palette.track);
    if (shapes.has_fill) fill_round_rect(dc, to_rect(shapes.fill), shapes.corner, fill);
    if (shapes.has_knob) fill_ellipse(dc, to_rect(shapes.knob), palette.normal);
}

namespace {

void paint_buttons(const App& app, HDC dc, const BarLayout& layout) {
    const SelectGuard font(dc, app.windows.fonts.icon.get());
    const int32_t inset_x = scale_px(2, app.windows.dpi);
    const int32_t inset_y = scale_px(6, app.windows.dpi);
    const int32_t corner = scale_px(6, app.windows.dpi);
    for (const BarButton& button : layout.buttons) {
        RECT inset{button.rect.left + inset_x, button.rect.top + inset_y, button.rect.right - inset_x,
                   button.rect.bottom - inset_y};
        const bool hovered = button_hit(button.id) == app.bar.hover_button;
        if (hovered)
            fill_round_rect(dc, RECT{inset.left, inset.top, inset.right + 1, inset.bottom + 1}, corner,
                            app.windows.palette.hover);
        const GlyphTone tone = bar_button_tone(button.id, app.playback, app.settings.always_on_top);
        SetTextColor(dc, glyph_colour(app.windows.palette, tone, hovered));
        wchar_t glyph = static_cast<wchar_t>(bar_button_glyph(button.id, app.playback, app.mode.fullscreen));
        DrawTextW(dc, &glyph, 1, &inset, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void paint_time(const App& app, HDC dc, const BarLayout& layout) {
    if (layout.time_rect.right <= layout.time_rect.left) return;
    const SelectGuard font(dc, app.windows.fonts.text.get());
    const std::wstring text = wide(bar_time_text(app.playback, app.bar.drag == Drag::seek, app.bar.seek_fraction));
    RECT rect = to_rect(layout.time_rect);
    SetTextColor(dc, app.windows.palette.normal);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

void paint_bar(const App& app, HDC dc, int width, int height) {
    const Palette& palette = app.windows.palette;
    fill_solid(dc, RECT{0, 0, width, height}, palette.background);
    const int32_t line = scale_px(1, app.windows.dpi);
    fill_solid(dc, RECT{0, 0, width, line > 1 ? line : 1}, palette.top_line);
    SetBkMode(dc, TRANSPARENT);

    const BarLayout layout = compute_bar_layout(app.windows.dpi, width, height);
    paint_buttons(app, dc, layout);
    paint_time(app, dc, layout);

    const bool seek_dragging = app.bar.drag == Drag::seek;
    paint_slider(dc, app.windows.dpi, palette, layout.seek_rect,
                 seek_bar_fraction(app.playback, seek_dragging, app.bar.seek_fraction),
                 app.bar.hover_button == BarHit::seek_bar || seek_dragging, palette.accent);
    paint_slider(dc, app.windows.dpi, palette, layout.volume_rect, app.playback.current_volume / 100,
                 app.bar.hover_button == BarHit::volume || app.bar.drag == Drag::volume,
                 app.playback.muted ? palette.dimmed : palette.accent);
}
