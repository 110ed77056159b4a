// The pointer over the control bar, as the App record keeps it: what is under it, what a press
// armed and what a drag moves.
#pragma once

#include <cstdint>

// The control bar's buttons; their ids are 0 .. kBarButtonCount - 1 (ui/bar/bar_buttons.h).
constexpr uint8_t kBarButtonCount = 10;

// A hit code: below kBarButtonCount the button of that id, the rest name the other targets. The
// numbers are the ones the App state has always stored.
enum class BarHit : uint8_t {
    none = 10,
    seek_bar = 12,
    volume = 13,
    released = 255,  // `pressed` between a release and the next press on a menu button
};

constexpr BarHit button_hit(uint8_t id) { return static_cast<BarHit>(id); }
constexpr bool is_button(BarHit hit) { return static_cast<uint8_t>(hit) < kBarButtonCount; }
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
