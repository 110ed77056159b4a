#include "ui/cards/about_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/dpi_scale.h"

namespace {

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// At every DPI: the window grows with it; every part lies inside the window and apart from the others,
// and a click at a part's centre finds its item; the logo keeps the proportions of its 600 x 132
// bitmap; the band runs across the top with the close cross at its right end.
TEST(AboutLayout, PartsInsideApartAndFoundAtEveryDpi) {
    const AboutLayout at_96 = about_layout(96);
    for (uint32_t dpi : {96u, 120u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        const AboutLayout l = about_layout(dpi);
        EXPECT_EQ(l.width, scale_px(at_96.width, dpi));
        EXPECT_EQ(l.height, scale_px(at_96.height, dpi));
        EXPECT_LE(std::abs((l.logo.right - l.logo.left) * 132 - (l.logo.bottom - l.logo.top) * 600), 600);
        EXPECT_EQ(l.band.left, 0);
        EXPECT_EQ(l.band.top, 0);
        EXPECT_EQ(l.band.right, l.width);
        EXPECT_EQ(l.close_cross.right, l.band.right);
        EXPECT_LE(l.close_cross.bottom, l.band.bottom);
        const struct {
            PixelRect rect;
            AboutItem item;
        } items[] = {{l.close_cross, AboutItem::close_cross},   {l.link_mpv, AboutItem::link_mpv},
                     {l.link_licence, AboutItem::link_licence}, {l.dont_show, AboutItem::dont_show},
                     {l.close_button, AboutItem::close_button}, {l.logo, AboutItem::none},
                     {l.title, AboutItem::none},                {l.description, AboutItem::none},
                     {l.separator, AboutItem::none}};
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
