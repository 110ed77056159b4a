#include "ui/bar/bar_layout.h"

#include <algorithm>
#include <iterator>

#include "base/dpi_scale.h"
#include "base/number_format.h"

const BarButton& BarLayout::button(uint8_t id) const {
    for (const auto& b : buttons)
        if (b.id == id) return b;
    return buttons[0];
}

// Buttons hug both ends; the volume slider sits left of the right group, the mute button left of it,
// and the seek bar takes whatever is left in the middle. The time text only appears when it would
// take less than half of that middle space, so a narrow window keeps a usable seek bar.
BarLayout compute_bar_layout(uint32_t dpi, int32_t width, int32_t height) {
    const int32_t m = scale_px(6, dpi);
    const int32_t b = scale_px(40, dpi);
    const auto full_height = [height](int32_t left, int32_t right) { return BarRect{left, 0, right, height}; };

    BarLayout layout;
    size_t placed = 0;
    int32_t left_end = m;
    for (const BarButtonRow& row : kBarButtons)
        if (row.group == BarGroup::left) {
            layout.buttons[placed++] = BarButton{row.id, full_height(left_end, left_end + b)};
            left_end += b;
        }
    // A group that ends at `right`, its rows left to right; returns where it begins.
    const auto place_leftwards = [&](BarGroup group, int32_t right) {
        for (auto row = std::rbegin(kBarButtons); row != std::rend(kBarButtons); ++row)
            if (row->group == group) {
                layout.buttons[placed++] = BarButton{row->id, full_height(right - b, right)};
                right -= b;
            }
        return right;
    };
    const int32_t right_group = place_leftwards(BarGroup::right, width - m);
    layout.volume_rect = full_height(right_group - scale_px(92, dpi), right_group - scale_px(8, dpi));
    const int32_t mute_left = place_leftwards(BarGroup::volume, layout.volume_rect.left);

    const int32_t time_width = (mute_left - left_end) > 2 * scale_px(150, dpi) ? scale_px(150, dpi) : 0;
    const int32_t gap = scale_px(12, dpi);
    layout.time_rect = full_height(left_end + gap / 2, left_end + gap / 2 + time_width);

    const int32_t seek_left = left_end + gap + time_width;
    layout.seek_rect = full_height(seek_left, std::max(mute_left - gap, seek_left + 1));
    return layout;
}
