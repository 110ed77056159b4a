#include "ui/cards/about_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "base/dpi_scale.h"

namespace {

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// At every DPI: the items lie inside the window and apart, each is found under its own centre, the
// logo keeps its half size and the band its 44 pixels.
TEST(AboutLayout, ItemsInsideApartAndFoundAtEveryDpi) {
    for (uint32_t dpi : {96u, 120u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        const AboutLayout l = about_layout(dpi);
        EXPECT_EQ(l.width, scale_px(440, dpi));
        EXPECT_EQ(l.height, scale_px(300, dpi));
        EXPECT_EQ(l.band.bottom, scale_px(44, dpi));
        EXPECT_EQ(l.logo.right - l.logo.left, scale_px(300, dpi));
        EXPECT_EQ(l.logo.bottom - l.logo.top, scale_px(66, dpi));
        const struct {
            PixelRect rect;
            AboutItem item;
        } items[] = {{l.close_cross, AboutItem::close_cross},   {l.link_mpv, AboutItem::link_mpv},
                     {l.link_licence, AboutItem::link_licence}, {l.dont_show, AboutItem::dont_show},
                     {l.close_button, AboutItem::close_button}, {l.logo, AboutItem::none}};
        for (size_t i = 0; i < std::size(items); ++i) {
            const PixelRect& r = items[i].rect;
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, l.width);
            EXPECT_LE(r.bottom, l.height);
            EXPECT_EQ(about_item_at(l, (r.left + r.right) / 2, (r.top + r.bottom) / 2), items[i].item) << i;
            for (size_t j = i + 1; j < std::size(items); ++j) EXPECT_FALSE(overlap(r, items[j].rect)) << i << " " << j;
        }
        EXPECT_TRUE(l.dont_show.contains(l.check_box.left, l.check_box.top));
    }
}

TEST(AboutLayout, LinksLeadToTheirPages) {
    EXPECT_EQ(std::string(about_link_target(AboutItem::link_mpv)), "https://mpv.io");
    EXPECT_EQ(std::string(about_link_target(AboutItem::link_licence)).rfind("https://", 0), 0u);
    EXPECT_EQ(std::string(about_link_target(AboutItem::dont_show)), "");
}

}  // namespace
