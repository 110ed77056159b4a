#include "ui/bar/bar_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct Span {
    int32_t left;
    int32_t right;
};

void expect_span(const BarRect& rect, Span span, int32_t height, const char* what) {
    EXPECT_EQ(rect.left, span.left) << what;
    EXPECT_EQ(rect.right, span.right) << what;
    EXPECT_EQ(rect.top, 0) << what;
    EXPECT_EQ(rect.bottom, height) << what;
}

TEST(BarLayout, WorkedExampleAt96DpiAnd944Wide) {
    const BarLayout layout = compute_bar_layout(96, 944, 44);
    const std::array<uint8_t, 10> order{0, 1, 2, 3, 9, 8, 7, 6, 5, 4};
    const std::array<Span, 10> spans{{{6, 46},
                                      {46, 86},
                                      {86, 126},
                                      {126, 166},
                                      {898, 938},
                                      {858, 898},
                                      {818, 858},
                                      {778, 818},
                                      {738, 778},
                                      {606, 646}}};
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(layout.buttons[i].id, order[i]) << i;
        expect_span(layout.buttons[i].rect, spans[i], 44, "button");
    }
    expect_span(layout.time_rect, {172, 322}, 44, "time");
    expect_span(layout.seek_rect, {328, 594}, 44, "seek");
    expect_span(layout.volume_rect, {646, 730}, 44, "volume");
    EXPECT_EQ(layout.button(kButtonVolume).rect.left, 606);
    EXPECT_EQ(layout.button(kButtonAudio).rect.left, 738);
}

struct LayoutCase {
    uint32_t dpi;
    int32_t width;
    Span first;  // button 0
    Span help;   // button 9
    Span audio;  // button 5
    Span mute;   // button 4
    Span volume;
    Span time;
    Span seek;
};

// Worked out by hand from the rules: m = 6, b = 40, the volume slider 92..8 left of the right group,
// the time text 150 wide only when the middle is more than twice that, gaps of 12, all scaled.
TEST(BarLayout, TableOfDpisAndWidths) {
    const LayoutCase cases[] = {
        // 96 DPI: the minimum window width hides the time text; the seek bar starts 12 after button 3.
        {96, 580, {6, 46}, {534, 574}, {374, 414}, {242, 282}, {282, 366}, {172, 172}, {178, 230}},
        {96, 805, {6, 46}, {759, 799}, {599, 639}, {467, 507}, {507, 591}, {172, 322}, {328, 455}},
        {96, 804, {6, 46}, {758, 798}, {598, 638}, {466, 506}, {506, 590}, {172, 172}, {178, 454}},
        {96, 3840, {6, 46}, {3794, 3834}, {3634, 3674}, {3502, 3542}, {3542, 3626}, {172, 322}, {328, 3490}},
        // 120 DPI: margin 8, buttons 50.
        {120, 944, {8, 58}, {886, 936}, {686, 736}, {521, 571}, {571, 676}, {215, 215}, {223, 506}},
        {120, 725, {8, 58}, {667, 717}, {467, 517}, {302, 352}, {352, 457}, {215, 215}, {223, 287}},
        {120, 3840, {8, 58}, {3782, 3832}, {3582, 3632}, {3417, 3467}, {3467, 3572}, {215, 403}, {411, 3402}},
        // 144 DPI: margin 9, buttons 60, time text 225.
        {144, 870, {9, 69}, {801, 861}, {561, 621}, {363, 423}, {423, 549}, {258, 258}, {267, 345}},
        {144, 944, {9, 69}, {875, 935}, {635, 695}, {437, 497}, {497, 623}, {258, 258}, {267, 419}},
        {144, 3840, {9, 69}, {3771, 3831}, {3531, 3591}, {3333, 3393}, {3393, 3519}, {258, 483}, {492, 3315}},
        // 192 DPI: everything doubled.
        {192, 1160, {12, 92}, {1068, 1148}, {748, 828}, {484, 564}, {564, 732}, {344, 344}, {356, 460}},
        {192, 3840, {12, 92}, {3748, 3828}, {3428, 3508}, {3164, 3244}, {3244, 3412}, {344, 644}, {656, 3140}},
        // Too narrow for everything: buttons overlap, the seek bar keeps one pixel.
        {192, 944, {12, 92}, {852, 932}, {532, 612}, {268, 348}, {348, 516}, {344, 344}, {356, 357}},
        {96, 300, {6, 46}, {254, 294}, {94, 134}, {-38, 2}, {2, 86}, {172, 172}, {178, 179}},
        {96, 0, {6, 46}, {-46, -6}, {-206, -166}, {-338, -298}, {-298, -214}, {172, 172}, {178, 179}},
        {120, 1, {8, 58}, {-57, -7}, {-257, -207}, {-422, -372}, {-372, -267}, {215, 215}, {223, 224}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " DPI, " << c.width << " wide");
        const int32_t height = 44 * static_cast<int32_t>(c.dpi) / 96;
        const BarLayout layout = compute_bar_layout(c.dpi, c.width, height);
        expect_span(layout.button(kButtonOpen).rect, c.first, height, "open");
        expect_span(layout.button(kButtonHelp).rect, c.help, height, "help");
        expect_span(layout.button(kButtonAudio).rect, c.audio, height, "audio");
        expect_span(layout.button(kButtonVolume).rect, c.mute, height, "mute");
        expect_span(layout.volume_rect, c.volume, height, "volume");
        expect_span(layout.time_rect, c.time, height, "time");
        expect_span(layout.seek_rect, c.seek, height, "seek");
    }
}

// Over many widths: every button one button wide and in its place, the groups contiguous, the time
// text either hidden or 150 wide, the seek bar never narrower than a pixel.
TEST(BarLayout, InvariantsOverWidths) {
    for (uint32_t dpi : {96u, 120u, 144u, 192u, 240u, 288u}) {
        const int32_t b = static_cast<int32_t>((40 * dpi + 48) / 96);  // rounded half up
        for (int32_t width = 0; width <= 4000; width += 7) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << width << " wide");
            const BarLayout layout = compute_bar_layout(dpi, width, 50);
            for (const BarButton& button : layout.buttons) EXPECT_EQ(button.rect.right - button.rect.left, b);
            for (size_t i = 1; i < 4; ++i) EXPECT_EQ(layout.buttons[i].rect.left, layout.buttons[i - 1].rect.right);
            for (size_t i = 5; i < 9; ++i) EXPECT_EQ(layout.buttons[i].rect.right, layout.buttons[i - 1].rect.left);
            EXPECT_EQ(layout.button(kButtonVolume).rect.right, layout.volume_rect.left);
            const int32_t time_width = layout.time_rect.right - layout.time_rect.left;
            EXPECT_TRUE(time_width == 0 || time_width == static_cast<int32_t>((150 * dpi + 48) / 96)) << time_width;
            EXPECT_GE(layout.seek_rect.right - layout.seek_rect.left, 1);
            if (time_width > 0) {
                EXPECT_LE(layout.time_rect.right, layout.seek_rect.left);
            }
        }
    }
}

TEST(BarLayout, RectanglesAreHalfOpen) {
    const BarRect rect{10, 0, 20, 44};
    EXPECT_TRUE(rect.contains(10, 0));
    EXPECT_TRUE(rect.contains(19, 43));
    EXPECT_FALSE(rect.contains(20, 10));
    EXPECT_FALSE(rect.contains(9, 10));
    EXPECT_FALSE(rect.contains(15, 44));
    EXPECT_FALSE(rect.contains(15, -1));
}

}  // namespace
