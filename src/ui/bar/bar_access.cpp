#include "ui/bar/bar_access.h"

#include <string>
#include <utility>

#include "app/settings/language.h"
#include "ui/bar/bar_model.h"

namespace {

constexpr Text kBarName{"Playback controls", "Commandes de lecture"};
constexpr Text kSeekName{"Position", "Position"};
constexpr Text kVolumeName{"Volume", "Volume"};
// The tooltip names both actions; a screen reader is better told the one a press would run, as the
// glyph shows it.
constexpr Text kPlayName{"Play (Space)", "Lecture (Espace)"};
constexpr Text kPauseName{"Pause (Space)", "Pause (Espace)"};

const char* const kButtonIds[10] = {"open",  "play_pause", "back",   "forward",    "mute",
                                    "audio", "subtitles",  "on_top", "fullscreen", "help"};

// The fields every element has; the callers add what their role needs.
AccessibleNode element(AccessibleRole role, const char* automation_id, std::string name, const BarRect& rect) {
    AccessibleNode node;
    node.role = role;
    node.automation_id = automation_id;
    node.name = std::move(name);
    node.rect = rect;
    return node;
}

AccessibleNode button_node(const BarLayout& layout, uint8_t id, const PlaybackState& playback, const BarView& view) {
    std::string name;
    if (id == kButtonPlayPause) {
        const bool playing = bar_button_glyph(id, playback, view.fullscreen) == 0xE769;
        name = pick(playing ? kPauseName : kPlayName);
    } else {
        name = pick(kBarTooltips[id]);
    }
    AccessibleNode node = element(AccessibleRole::button, kButtonIds[id], std::move(name), layout.button(id).rect);
    node.invokable = true;
    node.action = id;
    node.enabled = bar_button_tone(id, playback, view.always_on_top) != GlyphTone::dimmed;
    if (id == kButtonVolume) node.toggled = playback.muted;
    if (id == kButtonOnTop) node.toggled = view.always_on_top;
    if (id == kButtonFullscreen) node.toggled = view.fullscreen;
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
    const auto button = [&](uint8_t id) { tree.children.push_back(button_node(layout, id, playback, view)); };
    for (uint8_t id : {kButtonOpen, kButtonPlayPause, kButtonBack, kButtonForward}) button(id);
    tree.children.push_back(time_node(layout, playback, view));
    tree.children.push_back(
        slider_node("seek", kSeekName, layout.seek_rect, kBarActionSeek, seek_range(playback, view)));
    button(kButtonVolume);
    tree.children.push_back(
        slider_node("volume", kVolumeName, layout.volume_rect, kBarActionVolume, volume_range(playback, view)));
    for (uint8_t id : {kButtonAudio, kButtonSubtitles, kButtonOnTop, kButtonFullscreen, kButtonHelp}) button(id);
    if (!view.visible)
        for (AccessibleNode& node : tree.children) node.offscreen = true;
    return tree;
}
