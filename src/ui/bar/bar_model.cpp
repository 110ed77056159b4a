#include "ui/bar/bar_model.h"

#include <cmath>

#include "base/dpi_scale.h"
#include "base/number_format.h"

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
    switch (id) {
        case kButtonOpen:
            return 0xE8E5;
        case kButtonPlayPause:
            return (playback.file_loaded && !playback.paused && !playback.eof_reached) ? 0xE769 : 0xE768;
        case kButtonBack:
            return 0xEB9E;
        case kButtonForward:
            return 0xEB9D;
        case kButtonVolume: {
            if (playback.muted) return 0xE74F;
            const double v = playback.current_volume;
            if (v < 34) return v > 0 ? 0xE993 : 0xE992;
            if (v < 67) return 0xE994;
            return 0xE995;
        }
        case kButtonAudio:
            return 0xE8D6;
        case kButtonSubtitles:
            return 0xE7F0;
        case kButtonOnTop:
            return 0xE718;
        case kButtonFullscreen:
            return fullscreen ? 0xE73F : 0xE740;
        case kButtonHelp:
            return 0xE897;
        default:
            return u'?';
    }
}

GlyphTone bar_button_tone(uint8_t id, const PlaybackState& playback, bool always_on_top) {
    switch (id) {
        case kButtonOnTop:
            return always_on_top ? GlyphTone::accent : GlyphTone::normal;
        case kButtonSubtitles:
            if (!playback.file_loaded) return GlyphTone::dimmed;
            return playback.subtitles_on ? GlyphTone::accent : GlyphTone::normal;
        case kButtonPlayPause:
        case kButtonBack:
        case kButtonForward:
        case kButtonAudio:
            return playback.file_loaded ? GlyphTone::normal : GlyphTone::dimmed;
        default:
            return GlyphTone::normal;  // open, volume, full screen and help work without a file
    }
}

uint32_t tone_colour(GlyphTone tone) {
    switch (tone) {
        case GlyphTone::accent:
            return bar_colour::accent;
        case GlyphTone::dimmed:
            return bar_colour::dimmed;
        default:
            return bar_colour::normal;
    }
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

const std::array<Text, 10> kBarTooltips = {{
    {"Open a file (Ctrl+O)", "Ouvrir un fichier (Ctrl+O)"},
    {"Play / Pause (Space)", "Lecture / Pause (Espace)"},
    {"Back 10 s (← : 5 s)", "Reculer de 10 s (← : 5 s)"},
    {"Forward 10 s (→ : 5 s)", "Avancer de 10 s (→ : 5 s)"},
    {"Mute (M) — wheel or ↑/↓ for volume", "Muet (M) — molette ou ↑/↓ pour le volume"},
    {"Audio track (A: next)", "Piste audio (A : suivante)"},
    {"Subtitles (S: next / off)", "Sous-titres (S : suivant / désactiver)"},
    {"Always on top (T)", "Toujours au premier plan (T)"},
    {"Full screen (F, double-click) — Esc to exit", "Plein écran (F, double-clic) — Échap pour sortir"},
    {"Help (F1)", "Aide (F1)"},
}};

Command bar_button_command(uint8_t id) {
    switch (id) {
        case kButtonOpen:
            return {CommandId::open_video};
        case kButtonPlayPause:
            return {CommandId::toggle_pause};
        case kButtonBack:
            return {CommandId::seek_relative, -10};
        case kButtonForward:
            return {CommandId::seek_relative, 10};
        case kButtonVolume:
            return {CommandId::toggle_mute};
        case kButtonAudio:
            return {CommandId::audio_menu};
        case kButtonSubtitles:
            return {CommandId::subtitle_menu};
        case kButtonOnTop:
            return {CommandId::toggle_always_on_top};
        case kButtonFullscreen:
            return {CommandId::toggle_fullscreen};
        case kButtonHelp:
            return {CommandId::toggle_help};
        default:
            return {};
    }
}
