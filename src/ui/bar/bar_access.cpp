#include "ui/bar/bar_access.h"

#include <optional>
#include <string>
#include <utility>

#include "app/settings/language.h"
#include "ui/bar/bar_model.h"
#include "ui/input/key_bindings.h"

namespace {

constexpr Text kBarName{"Playback controls", "Commandes de lecture"};
constexpr Text kSeekName{"Position", "Position"};
constexpr Text kVolumeName{"Volume", "Volume"};

// The fields every element has; the callers add what their role needs.
AccessibleNode element(AccessibleRole role, const char* automation_id, std::string name, const BarRect& rect) {
    AccessibleNode node;
    node.role = role;
    node.automation_id = automation_id;
    node.name = std::move(name);
    node.rect = rect;
    return node;
}

std::string button_name(const BarButtonRow& row, const PlaybackState& playback, const BarView& view) {
    if (row.follows != BarState::playing) return bar_button_tooltip(row.id);
    // The tooltip names both actions; a screen reader is better told the one a press would run, as
    // the glyph shows it, and the same key.
    const bool playing = bar_button_glyph(row.id, playback, view.fullscreen) == kGlyphPause;
    return std::string(pick(command_label(playing ? CommandId::pause : CommandId::play))) +
           with_key_names(pick(row.tooltip), row.keys);
}

// The on/off state a reader is told: muted, always on top, full screen.
std::optional<bool> button_toggled(const BarButtonRow& row, const PlaybackState& playback, const BarView& view) {
    switch (row.follows) {
        case BarState::volume:
            return playback.muted;
        case BarState::always_on_top:
            return view.always_on_top;
        case BarState::fullscreen:
            return view.fullscreen;
        default:
            return std::nullopt;
    }
}

AccessibleNode button_node(const BarLayout& layout, const BarButtonRow& row, const PlaybackState& playback,
                           const BarView& view) {
    AccessibleNode node = element(AccessibleRole::button, row.automation_id, button_name(row, playback, view),
                                  layout.button(row.id).rect);
    node.invokable = true;
    node.action = row.id;
    node.enabled = bar_button_tone(row.id, playback, view.always_on_top) != GlyphTone::dimmed;
    node.toggled = button_toggled(row, playback, view);
    return node;
}

AccessibleNode slider_node(const char* automation_id, const Text& name, const BarRect& rect, uint32_t action,
                           const AccessibleRange& range) {
    AccessibleNode node = element(AccessibleRole::slider, automation_id, pick(name), rect);
    node.action = action;
    node.range = range;
    return node;
}

AccessibleRange seek_range(const PlaybackState& playback, const BarView& view) {
    AccessibleRange range;
    const bool known = playback.duration > 0;
    range.maximum = known ? playback.duration : 0;
    range.value = known ? seek_bar_fraction(playback, view.seek_dragging, view.seek_fraction) * playback.duration : 0;
    range.small_change = kSeekSmallChange;
    range.large_change = kSeekLargeChange;
    range.read_only = !(playback.file_loaded && known);
    range.announce_step = 1;  // the whole seconds the time text shows
    return range;
}

AccessibleRange volume_range(const PlaybackState& playback, const BarView& view) {
    AccessibleRange range;
    range.maximum = 100;
    range.value = playback.current_volume;
    range.small_change = kVolumeSmallChange;
    range.large_change = kVolumeLargeChange;
    range.read_only = !view.core_present;
    return range;
}

AccessibleNode time_node(const BarLayout& layout, const PlaybackState& playback, const BarView& view) {
    AccessibleNode node = element(AccessibleRole::text, "time",
                                  bar_time_text(playback, view.seek_dragging, view.seek_fraction), layout.time_rect);
    node.offscreen = layout.time_rect.right <= layout.time_rect.left;  // too narrow a bar hides it
    return node;
}

}  // namespace

AccessibleTree bar_accessible_tree(const BarLayout& layout, const PlaybackState& playback, const BarView& view) {
    AccessibleTree tree;
    tree.language = g_active_language;
    tree.root.role = AccessibleRole::tool_bar;
    tree.root.automation_id = "control_bar";
    tree.root.name = pick(kBarName);
    // Left to right as painted: each group of buttons in the order of its rows.
    const auto buttons = [&](BarGroup group) {
        for (const BarButtonRow& row : kBarButtons)
            if (row.group == group) tree.children.push_back(button_node(layout, row, playback, view));
    };
    buttons(BarGroup::left);
    tree.children.push_back(time_node(layout, playback, view));
    tree.children.push_back(
        slider_node("seek", kSeekName, layout.seek_rect, kBarActionSeek, seek_range(playback, view)));
    buttons(BarGroup::volume);
    tree.children.push_back(
        slider_node("volume", kVolumeName, layout.volume_rect, kBarActionVolume, volume_range(playback, view)));
    buttons(BarGroup::right);
    if (!view.visible)
        for (AccessibleNode& node : tree.children) node.offscreen = true;
    return tree;
}
