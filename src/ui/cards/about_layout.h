// The About window's geometry at a DPI, shared by painting, hit testing and the screen readers' view.
#pragma once

#include <cstdint>

#include "app/command.h"
#include "base/pixel_rect.h"

// The parts of the window the pointer can act on.
enum class AboutItem : uint8_t { none, close_cross, link_mpv, link_licence, dont_show, close_button };

// Rectangles in client pixels.
struct AboutLayout {
    int32_t width = 0;
    int32_t height = 0;
    PixelRect band;  // drags the window like a caption
    PixelRect close_cross;
    PixelRect logo;
    PixelRect title;
    PixelRect description;
    PixelRect link_mpv;
    PixelRect link_licence;
    PixelRect separator;
    PixelRect dont_show;  // the whole check box row
    PixelRect check_box;
    PixelRect close_button;
};
AboutLayout about_layout(uint32_t dpi);
AboutItem about_item_at(const AboutLayout& layout, int32_t x, int32_t y);

// Where the two links lead: libmpv's home page and the licence; empty for the other items.
const char* about_link_target(AboutItem item);

// What an item asks of the player: the check box flips the choice not to show the window at start;
// the links and the close buttons only act on the window.
Command about_item_command(AboutItem item);
