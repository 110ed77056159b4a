#include "ui/cards/about_layout.h"

#include "base/dpi_scale.h"

namespace {

PixelRect scaled(uint32_t dpi, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return PixelRect{scale_px(left, dpi), scale_px(top, dpi), scale_px(right, dpi), scale_px(bottom, dpi)};
}

}  // namespace

AboutLayout about_layout(uint32_t dpi) {
    constexpr int32_t width = 440;
    constexpr int32_t height = 300;
    AboutLayout l;
    l.width = scale_px(width, dpi);
    l.height = scale_px(height, dpi);
    l.band = scaled(dpi, 0, 0, width, 44);
    l.close_cross = scaled(dpi, width - 44, 0, width, 44);
    l.logo = scaled(dpi, (width - 300) / 2, 60, (width - 300) / 2 + 300, 60 + 66);
    l.title = scaled(dpi, 20, 134, width - 20, 164);
    l.description = scaled(dpi, 20, 164, width - 20, 186);
    l.link_mpv = scaled(dpi, 28, 196, width / 2 - 6, 220);
    l.link_licence = scaled(dpi, width / 2 + 6, 196, width - 28, 220);
    l.separator = scaled(dpi, 20, 236, width - 20, 237);
    l.dont_show = scaled(dpi, 20, 250, 280, 282);
    l.check_box = scaled(dpi, 22, 258, 38, 274);
    l.close_button = scaled(dpi, width - 20 - 100, 250, width - 20, 282);
    return l;
}

AboutItem about_item_at(const AboutLayout& layout, int32_t x, int32_t y) {
    if (layout.close_cross.contains(x, y)) return AboutItem::close_cross;
    if (layout.link_mpv.contains(x, y)) return AboutItem::link_mpv;
    if (layout.link_licence.contains(x, y)) return AboutItem::link_licence;
    if (layout.dont_show.contains(x, y)) return AboutItem::dont_show;
    if (layout.close_button.contains(x, y)) return AboutItem::close_button;
    return AboutItem::none;
}

const char* about_link_target(AboutItem item) {
    if (item == AboutItem::link_mpv) return "https://mpv.io";
    if (item == AboutItem::link_licence) return "https://www.gnu.org/licenses/gpl-3.0.html";
    return "";
}

Command about_item_command(AboutItem item) {
    if (item == AboutItem::dont_show) return {CommandId::toggle_hide_about};
    return {};
}
