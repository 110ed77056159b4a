// What the control bar shows, decided without Windows from the buttons' table and the state: the
// time text, each button's glyph, colour, tooltip and command, the slider geometry and the hit codes.
// The Win32 painter and mouse code only carry these out.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/bar_input.h"
#include "app/colour_scheme.h"
#include "app/command.h"
#include "app/settings/language.h"
#include "player/playback_state.h"
#include "ui/bar/bar_buttons.h"
#include "ui/bar/bar_layout.h"

// "1:15 / 59:59", "0:00:30 / 2:00:00", or "—" with nothing to show; the speed suffix "   ×1.5" when
// the speed is not 1. While the seek bar is dragged the position follows the drag.
std::string bar_time_text(const PlaybackState& playback, bool seek_dragging, double seek_fraction);

// What a click on the button of that id asks for; CommandId::none for any other id.
Command bar_button_command(uint8_t id);
// A drag on the seek bar: to the key frame nearest the pointer while it moves, so the picture keeps
// up, and exactly where it is released.
Command seek_drag_command(double duration, double fraction, bool final);
// A drag on the volume slider: the volume at the pointer, without the on-screen message.
Command volume_drag_command(double fraction);
// The buttons whose command opens a menu: they act on release, over the button that was pressed.
bool bar_button_opens_menu(uint8_t id);
// The tooltip: the command's label and the row's words; also what screen readers call the button.
std::string bar_button_tooltip(uint8_t id);

// The Segoe MDL2 Assets code point of a button.
char16_t bar_button_glyph(uint8_t id, const PlaybackState& playback, bool fullscreen);

enum class GlyphTone : uint8_t { normal, accent, dimmed };
GlyphTone bar_button_tone(uint8_t id, const PlaybackState& playback, bool always_on_top);
// The colour of a glyph in a palette: its tone, except on the hover background in high contrast,
// where only the highlight text colour is sure to read.
uint32_t glyph_colour(const Palette& palette, GlyphTone tone, bool hovered);

// Seek bar fill: the drag's fraction while dragging, else position / duration in 0..1 (0 without a
// duration).
double seek_bar_fraction(const PlaybackState& playback, bool seek_dragging, double seek_fraction);

// The shapes of one slider, in the coordinates of its rectangle's DC. Every rectangle is in the form
// GDI's RoundRect/Ellipse take with a null pen (right and bottom one past the filled area).
struct SliderShapes {
    BarRect track;
    bool has_fill = false;
    BarRect fill;
    int32_t corner = 0;  // the corner ellipse's size for track and fill
    bool has_knob = false;
    BarRect knob;
    int32_t fill_x = 0;  // where the fill ends and the knob is centred
};
SliderShapes slider_shapes(uint32_t dpi, const BarRect& rect, double fraction, bool active);

// (x - left) / width clamped to 0..1; a slider narrower than 2 pixels counts as 1 wide.
double slider_fraction(int32_t x, const BarRect& rect);

// The hit code of a point in bar coordinates: a button id, the seek bar, the volume slider or none.
// The time text is not a target.
BarHit bar_hit_code(const BarLayout& layout, int32_t x, int32_t y);
