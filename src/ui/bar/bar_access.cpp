#include "ui/bar/bar_access.h"

#include "ui/bar/bar_model.h"
#include "app/language.h"

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

AccessibleNode button_node(const BarLayout& layout, uint8_t id, const PlaybackState& playback, const BarView& view) {
    AccessibleNode node;
    node.role = AccessibleRole::button;
    node.automation_id = kButtonIds[id];
    node.rect = layout.button(id).rect;
    node.invokable = true;
    node.action = id;
    node.enabled = bar_button_tone(id, playback, view.always_on_top) != GlyphTone::dimmed;
    if (id == kButtonPlayPause) {
        const bool playing = bar_button_glyph(id, playback, view.fullscreen) == 0xE769;
        node.name = pick(playing ? kPauseName : kPlayName);
    } else {
        node.name = pick(kBarTooltips[id]);
    }
    if (id == kButtonVolume) node.toggled = playback.muted;
    if (id == kButtonOnTop) node.toggled = view.always_on_top;
    if (id == kButtonFullscreen) node.toggled = view.fullscreen;
    return node;
}

AccessibleNode seek_node(const BarLayout& layout, const PlaybackState& playback, const BarView& view) {
    AccessibleNode node;
    node.role = AccessibleRole::slider;
    node.automation_id = "seek";
    node.name = pick(kSeekName);
    node.rect = layout.seek_rect;
    node.action = kBarActionSeek;
    AccessibleRange range;
    const bool known = playback.duration > 0;
    range.maximum = known ? playback.duration : 0;
    range.value = known ? seek_bar_fraction(playback, view.seek_dragging, view.seek_fraction) * playback.duration : 0;
    range.small_change = kSeekSmallChange;
    range.large_change = kSeekLargeChange;
    range.read_only = !(playback.file_loaded && known);
    range.announce_step = 1;  // the whole seconds the time text shows
    node.range = range;
    return node;
}

AccessibleNode volume_node(const BarLayout& layout, const PlaybackState& playback, const BarView& view) {
    AccessibleNode node;
    node.role = AccessibleRole::slider;
    node.automation_id = "volume";
    node.name = pick(kVolumeName);
    node.rect = layout.volume_rect;
    node.action = kBarActionVolume;
    AccessibleRange range;
    range.maximum = 100;
    range.value = playback.current_volume;
    range.small_change = kVolumeSmallChange;
    range.large_change = kVolumeLargeChange;
    range.read_only = !view.core_present;
    node.range = range;
    return node;
}

AccessibleNode time_node(const BarLayout& layout, const PlaybackState& playback, const BarView& view) {
    AccessibleNode node;
    node.role = AccessibleRole::text;
    node.automation_id = "time";
    node.name = bar_time_text(playback, view.seek_dragging, view.seek_fraction);
    node.rect = layout.time_rect;
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
    tree.children.push_back(seek_node(layout, playback, view));
    button(kButtonVolume);
    tree.children.push_back(volume_node(layout, playback, view));
    for (uint8_t id : {kButtonAudio, kButtonSubtitles, kButtonOnTop, kButtonFullscreen, kButtonHelp}) button(id);
    if (!view.visible)
        for (AccessibleNode& node : tree.children) node.offscreen = true;
    return tree;
}
