#include "app/colour_scheme.h"

Palette choose_palette(bool high_contrast, const SystemColours& system) {
    if (!high_contrast) return kDarkPalette;
    Palette p;
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
