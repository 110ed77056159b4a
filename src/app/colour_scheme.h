// The colours of the bar, the Help window and the About window. Normally the program's own dark
// palette; with Windows' high-contrast mode on, every role takes one of the user's system colours
// instead, so that the cards and the bar read in the scheme the user chose.
#pragma once

#include <cstdint>

// COLORREF values (0x00BBGGRR) by role.
struct Palette {
    bool high_contrast = false;
    uint32_t background = 0;  // bar, cards, inside of outlined shapes
    uint32_t top_line = 0;    // the bar's top edge and the cards' separators
    uint32_t border = 0;      // the cards' frame
    uint32_t band = 0;        // About's draggable top band
    uint32_t normal = 0;      // glyphs, texts, slider knobs
    uint32_t accent = 0;      // lit glyphs, slider fills, headings, the default button
    uint32_t accent_hot = 0;  // the default button and check box under the pointer
    uint32_t on_accent = 0;   // text and marks drawn on the accent
    uint32_t dimmed = 0;      // glyphs of actions that need a file, secondary texts
    uint32_t hover = 0;       // background of the bar button under the pointer
    uint32_t on_hover = 0;    // glyph on that background (high contrast only)
    uint32_t track = 0;       // slider track
    uint32_t track_edge = 0;  // its outline; the same as track when it has none
    uint32_t key_cap = 0;     // Help's key caps
    uint32_t close_hot = 0;   // About's close cross under the pointer
    uint32_t on_close_hot = 0;
    uint32_t link = 0;
    uint32_t link_hot = 0;
};

// The program's own dark look, the palette whenever high contrast is off.
constexpr Palette dark_palette() {
    Palette p;
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
inline constexpr Palette kDarkPalette = dark_palette();

// The system colours high contrast draws with (GetSysColor values).
struct SystemColours {
    uint32_t window = 0;
    uint32_t window_text = 0;
    uint32_t highlight = 0;
    uint32_t highlight_text = 0;
    uint32_t grey_text = 0;
    uint32_t hot_light = 0;  // hyperlinks
};

Palette choose_palette(bool high_contrast, const SystemColours& system);
