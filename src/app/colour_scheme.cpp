#include "app/colour_scheme.h"

Palette choose_palette(bool high_contrast, const SystemColours& system) {
    Palette p;
    if (!high_contrast) {
        // The program's dark look (the bar's colours in ui/palette.h).
        p.background = 0x001E1C1C;
        p.top_line = 0x00333030;
        p.border = 0x004E4A4A;
        p.band = 0x00262424;  // a shade above the background
        p.normal = 0x00EAEAEA;
        p.accent = 0x00F08E3B;
        p.accent_hot = 0x00F5A866;  // the accent, lighter
        p.on_accent = 0x00FFFFFF;
        p.dimmed = 0x008E8A8A;
        p.hover = 0x003E3A3A;
        p.on_hover = 0x00EAEAEA;
        p.track = 0x004E4A4A;
        p.track_edge = 0x004E4A4A;
        p.key_cap = 0x003E3A3A;
        p.close_hot = 0x002B2BC4;  // the usual red
        p.on_close_hot = 0x00EAEAEA;
        p.link = 0x00F08E3B;
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
