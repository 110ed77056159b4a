// The pointer over the control bar, as the App record keeps it: what is under it, what a press
// armed and what a drag moves.
#pragma once

#include <cstdint>

// A hit code says its kind: a button, as its id (0, 1, ... the rows of ui/bar/bar_buttons.h), or one
// of the other targets, whose codes start at kFirstTargetHit, above every id a button can have. So a
// new button never takes the code of "nothing" or of the seek bar, however many there are.
constexpr uint8_t kFirstTargetHit = 0xF0;
enum class BarHit : uint8_t {
    none = kFirstTargetHit,
    seek_bar,
    volume,
    released = 0xFF,  // `pressed` between a release and the next press on a menu button
};

// The code of the button `id` (below kFirstTargetHit).
constexpr BarHit button_hit(uint8_t id) { return static_cast<BarHit>(id); }
constexpr bool is_button(BarHit hit) { return static_cast<uint8_t>(hit) < kFirstTargetHit; }
// The button's id; only meaningful when is_button(hit).
constexpr uint8_t button_of(BarHit hit) { return static_cast<uint8_t>(hit); }

enum class Drag : uint8_t { none = 0, seek = 1, volume = 2 };

struct BarInput {
    bool mouse_tracked = false;  // a mouse-leave notification has been asked for
    Drag drag = Drag::none;
    BarHit pressed = BarHit::released;
    bool last_press_on_video = false;  // how the first click of a double click was routed
    BarHit hover_button = BarHit::none;
    double seek_fraction = 0;  // the seek bar's position while it is dragged
};
