// The control bar as a screen reader sees it: a tool bar whose elements, left to right as painted,
// are the ten buttons, the time text and the two sliders.
#pragma once

#include "player/playback_state.h"
#include "ui/access/accessible_tree.h"
#include "ui/bar/bar_layout.h"

// What the bar shows beyond the playback state.
struct BarView {
    bool always_on_top = false;
    bool fullscreen = false;
    bool visible = true;  // false in fullscreen while the bar is hidden
    bool seek_dragging = false;
    double seek_fraction = 0;
    bool core_present = false;
};

// Actions of the sliders in AccessibleNode::action; the buttons use their ids.
constexpr uint32_t kBarActionSeek = 12;
constexpr uint32_t kBarActionVolume = 13;

// Seconds a seek-slider step moves (the arrow keys' and the buttons' steps) and volume steps.
constexpr double kSeekSmallChange = 5;
constexpr double kSeekLargeChange = 10;
constexpr double kVolumeSmallChange = 5;
constexpr double kVolumeLargeChange = 10;

AccessibleTree bar_accessible_tree(const BarLayout& layout, const PlaybackState& playback, const BarView& view);
