#include "ui/bar/bar_model.h"

#include <cmath>

#include "base/dpi_scale.h"
#include "base/number_format.h"
#include "ui/input/key_bindings.h"

namespace {

constexpr const char* kDash = "—";            // —
constexpr const char* kSpeedPrefix = "   ×";  // three spaces and ×

// a + b without overflow, for slider ends pushed out by a volume far above 100.
int32_t add_saturated(int32_t a, int64_t b) { return saturate_to_i32(static_cast<double>(a + b)); }

}  // namespace

std::string bar_time_text(const PlaybackState& playback, bool seek_dragging, double seek_fraction) {
    std::string text;
    if (playback.duration > 0 || playback.file_loaded) {
        const double position = seek_dragging ? seek_fraction * playback.duration : playback.position;
        const uint64_t shown = whole_seconds(position);
        const uint64_t total = whole_seconds(playback.duration);
        const bool long_duration = playback.duration >= 3600;
        text = (long_duration || shown >= 3600) ? format_clock_long(shown) : format_clock_short(shown);
        text += " / ";
        text += long_duration ? format_clock_long(total) : format_clock_short(total);
    } else {
        text = kDash;
    }
    // A speed of 1.005 is what a few speed steps up and down leave behind; it still reads as normal.
    if (std::fabs(playback.speed - 1) > 0.01) text += kSpeedPrefix + format_shortest(playback.speed);
    return text;
}

char16_t bar_button_glyph(uint8_t id, const PlaybackState& playback, bool fullscreen) {
    if (id >= kBarButtonCount) return u'?';
    const BarButtonRow& row = kBarButtons[id];
    switch (row.follows) {
        case BarState::playing:
            return (playback.file_loaded && !playback.paused && !playback.eof_reached) ? kGlyphPause : row.glyph;
        case BarState::volume: {
            if (playback.muted) return 0xE74F;
            const double v = playback.current_volume;
            if (v < 34) return v > 0 ? 0xE993 : 0xE992;
            if (v < 67) return 0xE994;
            return 0xE995;
        }
        case BarState::fullscreen:
            return fullscreen ? kGlyphLeaveFullscreen : row.glyph;
        default:
            return row.glyph;
    }
}

GlyphTone bar_button_tone(uint8_t id, const PlaybackState& playback, bool always_on_top) {
    if (id >= kBarButtonCount) return GlyphTone::normal;
    const BarButtonRow& row = kBarButtons[id];
    if (row.needs_file && !playback.file_loaded) return GlyphTone::dimmed;
    const bool lit = (row.follows == BarState::always_on_top && always_on_top) ||
                     (row.follows == BarState::subtitles && playback.subtitles_on);
    return lit ? GlyphTone::accent : GlyphTone::normal;
}

uint32_t glyph_colour(const Palette& palette, GlyphTone tone, bool hovered) {
    if (hovered && palette.high_contrast) return palette.on_hover;
    switch (tone) {
        case GlyphTone::accent:
            return palette.accent;
        case GlyphTone::dimmed:
            return palette.dimmed;
        default:
            return palette.normal;
    }
}

double seek_bar_fraction(const PlaybackState& playback, bool seek_dragging, double seek_fraction) {
    if (seek_dragging) return seek_fraction;
    if (!(playback.duration > 0)) return 0;
    const double fraction = playback.position / playback.duration;
    if (!(fraction > 0)) return 0;  // also NaN
    return fraction < 1 ? fraction : 1;
}

SliderShapes slider_shapes(uint32_t dpi, const BarRect& rect, double fraction, bool active) {
    const int32_t t = active ? scale_px(6, dpi) : scale_px(4, dpi);
    const int32_t cy = (rect.top + rect.bottom) / 2;
    const int32_t y0 = cy - t / 2;

    SliderShapes shapes;
    shapes.corner = t;
    shapes.track = BarRect{rect.left, y0, rect.right + 1, y0 + t + 1};
    const int64_t product = saturate_to_i32(fraction * static_cast<double>(rect.right - rect.left));
    const int32_t fx = add_saturated(rect.left, product);
    shapes.fill_x = fx;
    if (fx > rect.left) {
        shapes.has_fill = true;
        shapes.fill = BarRect{rect.left, y0, add_saturated(fx, 1), y0 + t + 1};
    }
    if (active) {
        const int32_t k = scale_px(7, dpi);
        shapes.has_knob = true;
        shapes.knob = BarRect{add_saturated(fx, -k), cy - k, add_saturated(fx, k + 1), cy + k + 1};
    }
    return shapes;
}

double slider_fraction(int32_t x, const BarRect& rect) {
    const int32_t width = rect.right - rect.left;
    const double fraction = static_cast<double>(x - rect.left) / (width < 2 ? 1.0 : static_cast<double>(width));
    if (!(fraction > 0)) return 0;
    return fraction < 1 ? fraction : 1;
}

BarHit bar_hit_code(const BarLayout& layout, int32_t x, int32_t y) {
    for (const auto& button : layout.buttons)
        if (button.rect.contains(x, y)) return button_hit(button.id);
    if (layout.seek_rect.contains(x, y)) return BarHit::seek_bar;
    if (layout.volume_rect.contains(x, y)) return BarHit::volume;
    return BarHit::none;
}

Command bar_button_command(uint8_t id) {
    if (id >= kBarButtonCount) return {};
    return {kBarButtons[id].command, kBarButtons[id].amount};
}

Command seek_drag_command(double duration, double fraction, bool final) {
    return {final ? CommandId::seek_to : CommandId::seek_to_keyframe, duration * fraction};
}

Command volume_drag_command(double fraction) { return {CommandId::set_volume, fraction * 100}; }

bool bar_button_opens_menu(uint8_t id) {
    const CommandId command = bar_button_command(id).id;
    return command == CommandId::audio_menu || command == CommandId::subtitle_menu;
}

std::string bar_button_tooltip(uint8_t id) {
    if (id >= kBarButtonCount) return {};
    const BarButtonRow& row = kBarButtons[id];
    return std::string(pick(command_label(row.command))) + with_key_names(pick(row.tooltip), row.keys);
}
