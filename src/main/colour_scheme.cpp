#include "colour_scheme.h"

Palette choose_palette(bool high_contrast, const SystemColours& system) {
    Palette p;
    if (!high_contrast) {
        p.background = bar_colour::background;
        p.top_line = bar_colour::top_line;
        p.border = bar_colour::track;
        p.band = 0x00262424;  // a shade above the background
        p.normal = bar_colour::normal;
        p.accent = bar_colour::accent;
        p.accent_hot = 0x00F5A866;  // the accent, lighter
        p.on_accent = 0x00FFFFFF;
        p.dimmed = bar_colour::dimmed;
        p.hover = bar_colour::hover;
        p.on_hover = bar_colour::normal;
        p.track = bar_colour::track;
        p.track_edge = bar_colour::track;
        p.key_cap = bar_colour::hover;
        p.close_hot = 0x002B2BC4;  // the usual red
        p.on_close_hot = bar_colour::normal;
        p.link = bar_colour::accent;
        p.link_hot = 0x00F5A866;
        return p;
    }
    // Shades of our own would vanish or clash in the user's scheme: every role maps to one of the
    // pairs Windows guarantees to contrast (window text on window, highlight text on highlight).
    p.high_contrast = true;
    p.background = system.window;
    p.top_line = system.window_text;
    p.border = system.window_text;
    p.band = system.window;
    p.normal = system.window_text;
    p.accent = system.highlight;
    p.accent_hot = system.highlight;
    p.on_accent = system.highlight_text;
    p.dimmed = system.grey_text;
    p.hover = system.highlight;
    p.on_hover = system.highlight_text;
    // An outlined track: a filled one in any system colour could match the fill or the background.
    p.track = system.window;
    p.track_edge = system.window_text;
    p.key_cap = system.window;
    p.close_hot = system.highlight;
    p.on_close_hot = system.highlight_text;
    p.link = system.hot_light;
    p.link_hot = system.hot_light;
    return p;
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
