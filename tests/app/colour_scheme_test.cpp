#include "app/colour_scheme.h"

#include <gtest/gtest.h>

#include "ui/bar/bar_model.h"

namespace {

// Windows' own "High Contrast Black" and "High Contrast White" schemes, as COLORREF.
constexpr SystemColours kContrastBlack{0x000000, 0xFFFFFF, 0xFFEB1A, 0x000000, 0x3FF23F, 0x00FFFF};
constexpr SystemColours kContrastWhite{0xFFFFFF, 0x000000, 0x6E0037, 0xFFFFFF, 0x000060, 0x9F0000};

struct PaletteCase {
    const char* name;
    bool high_contrast;
    SystemColours system;
    uint32_t background, normal, accent, dimmed, hover, on_hover, track, track_edge, link;
};

TEST(Palette, ChoiceByContrastMode) {
    const PaletteCase cases[] = {
        // Off: the program's own colours whatever the system's are.
        {"normal", false, kContrastWhite, 0x1E1C1C, 0xEAEAEA, 0xF08E3B, 0x8E8A8A, 0x3E3A3A, 0xEAEAEA, 0x4E4A4A,
         0x4E4A4A, 0xF08E3B},
        {"high contrast black", true, kContrastBlack, 0x000000, 0xFFFFFF, 0xFFEB1A, 0x3FF23F, 0xFFEB1A, 0x000000,
         0x000000, 0xFFFFFF, 0x00FFFF},
        {"high contrast white", true, kContrastWhite, 0xFFFFFF, 0x000000, 0x6E0037, 0x000060, 0x6E0037, 0xFFFFFF,
         0xFFFFFF, 0x000000, 0x9F0000},
    };
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Palette p = choose_palette(c.high_contrast, c.system);
        EXPECT_EQ(p.high_contrast, c.high_contrast);
        EXPECT_EQ(p.background, c.background);
        EXPECT_EQ(p.normal, c.normal);
        EXPECT_EQ(p.accent, c.accent);
        EXPECT_EQ(p.dimmed, c.dimmed);
        EXPECT_EQ(p.hover, c.hover);
        EXPECT_EQ(p.on_hover, c.on_hover);
        EXPECT_EQ(p.track, c.track);
        EXPECT_EQ(p.track_edge, c.track_edge);
        EXPECT_EQ(p.link, c.link);
    }
}

// In high contrast every foreground must differ from what it is drawn on, in either scheme.
TEST(Palette, HighContrastForegroundsStandOut) {
    for (const SystemColours& system : {kContrastBlack, kContrastWhite}) {
        const Palette p = choose_palette(true, system);
        const std::pair<uint32_t, uint32_t> pairs[] = {
            {p.normal, p.background},   {p.dimmed, p.background}, {p.accent, p.background},
            {p.top_line, p.background}, {p.border, p.background}, {p.track_edge, p.background},
            {p.on_hover, p.hover},      {p.on_accent, p.accent},  {p.on_close_hot, p.close_hot},
            {p.normal, p.key_cap},      {p.link, p.background},   {p.normal, p.band},
        };
        for (const auto& [fore, back] : pairs) EXPECT_NE(fore, back);
    }
}

TEST(Palette, GlyphColourByToneAndHover) {
    const Palette normal = choose_palette(false, {});
    const Palette black = choose_palette(true, kContrastBlack);
    struct Case {
        const Palette* palette;
        GlyphTone tone;
        bool hovered;
        uint32_t expected;
    };
    const Case cases[] = {
        {&normal, GlyphTone::normal, false, 0xEAEAEA}, {&normal, GlyphTone::accent, true, 0xF08E3B},
        {&normal, GlyphTone::dimmed, true, 0x8E8A8A},  {&black, GlyphTone::normal, false, 0xFFFFFF},
        {&black, GlyphTone::accent, false, 0xFFEB1A},  {&black, GlyphTone::dimmed, false, 0x3FF23F},
        {&black, GlyphTone::accent, true, 0x000000},   {&black, GlyphTone::dimmed, true, 0x000000},
    };
    for (const Case& c : cases) EXPECT_EQ(glyph_colour(*c.palette, c.tone, c.hovered), c.expected);
}

}  // namespace
