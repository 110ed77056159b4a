#include "ui/bar/bar_access.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/bar/bar_model.h"
#include "app/settings/language.h"

namespace {

using Kind = AccessibleChange::Kind;

class BarAccess : public testing::Test {
protected:
    void TearDown() override { set_active_language(Language::english); }

    static PlaybackState loaded(double position, double duration) {
        PlaybackState p;
        p.file_loaded = true;
        p.position = position;
        p.duration = duration;
        return p;
    }
    static AccessibleTree tree(const PlaybackState& playback, BarView view = core_view(), int32_t width = 944) {
        return bar_accessible_tree(compute_bar_layout(96, width, 44), playback, view);
    }
    static BarView core_view() {
        BarView view;
        view.core_present = true;
        return view;
    }
    static const AccessibleNode& child(const AccessibleTree& t, const char* id) {
        for (const AccessibleNode& node : t.children)
            if (node.automation_id == id) return node;
        ADD_FAILURE() << "no element " << id;
        return t.root;
    }
};

TEST_F(BarAccess, ElementsLeftToRightWithStableIds) {
    set_active_language(Language::english);
    const AccessibleTree english = tree(loaded(10, 100));
    set_active_language(Language::french);
    const AccessibleTree french = tree(loaded(10, 100));

    EXPECT_EQ(english.root.role, AccessibleRole::tool_bar);
    EXPECT_EQ(english.root.name, "Playback controls");
    EXPECT_EQ(french.root.name, "Commandes de lecture");
    ASSERT_EQ(english.children.size(), 13u);
    ASSERT_EQ(french.children.size(), 13u);
    int buttons = 0, sliders = 0, texts = 0;
    for (size_t i = 0; i < english.children.size(); ++i) {
        const AccessibleNode& node = english.children[i];
        SCOPED_TRACE(node.automation_id);
        // A reader walks them in the order the eye does.
        if (i > 0) {
            EXPECT_GE(node.rect.left, english.children[i - 1].rect.right);
        }
        EXPECT_EQ(node.automation_id, french.children[i].automation_id);
        buttons += node.role == AccessibleRole::button;
        sliders += node.role == AccessibleRole::slider;
        texts += node.role == AccessibleRole::text;
        if (node.role == AccessibleRole::button) {
            EXPECT_TRUE(node.invokable);
            EXPECT_NE(node.name, french.children[i].name);
        }
    }
    EXPECT_EQ(buttons, 10);
    EXPECT_EQ(sliders, 2);
    EXPECT_EQ(texts, 1);
    // Buttons are named by their tooltips; the time text by what it shows.
    EXPECT_EQ(child(french, "help").name, bar_button_tooltip(kButtonHelp));
    EXPECT_EQ(child(english, "time").name, "0:10 / 1:40");
}

TEST_F(BarAccess, PlayPauseNameFollowsTheGlyph) {
    PlaybackState paused = loaded(1, 10);
    paused.paused = true;
    PlaybackState ended = loaded(10, 10);
    ended.eof_reached = true;
    const std::pair<PlaybackState, const char*> cases[] = {
        {PlaybackState{}, "Play (Space)"},
        {loaded(1, 10), "Pause (Space)"},
        {paused, "Play (Space)"},
        {ended, "Play (Space)"},
    };
    for (const auto& [playback, expected] : cases) EXPECT_EQ(child(tree(playback), "play_pause").name, expected);
    set_active_language(Language::french);
    EXPECT_EQ(child(tree(loaded(1, 10)), "play_pause").name, "Pause (Espace)");
}

TEST_F(BarAccess, StatesFromPlaybackAndView) {
    const AccessibleTree nothing = tree(PlaybackState{});
    for (const char* id : {"play_pause", "back", "forward", "audio", "subtitles"})
        EXPECT_FALSE(child(nothing, id).enabled) << id;
    for (const char* id : {"open", "mute", "on_top", "fullscreen", "help"})
        EXPECT_TRUE(child(nothing, id).enabled) << id;
    EXPECT_TRUE(child(tree(loaded(0, 5)), "play_pause").enabled);

    EXPECT_FALSE(child(nothing, "open").toggled.has_value());
    BarView view = core_view();
    view.always_on_top = true;
    view.fullscreen = true;
    PlaybackState muted;
    muted.muted = true;
    const AccessibleTree toggled = tree(muted, view);
    EXPECT_EQ(child(toggled, "on_top").toggled, std::optional<bool>(true));
    EXPECT_EQ(child(toggled, "fullscreen").toggled, std::optional<bool>(true));
    EXPECT_EQ(child(toggled, "mute").toggled, std::optional<bool>(true));
    EXPECT_EQ(child(nothing, "mute").toggled, std::optional<bool>(false));
}

TEST_F(BarAccess, SliderRanges) {
    struct Case {
        const char* name;
        PlaybackState playback;
        BarView view;
        double seek_value, seek_maximum;
        bool seek_read_only;
        double volume;
        bool volume_read_only;
    };
    PlaybackState loud = loaded(30, 120);
    loud.current_volume = 65;
    PlaybackState duration_only;  // a duration reported before the file counts as loaded
    duration_only.duration = 50;
    duration_only.position = 20;
    BarView dragging = core_view();
    dragging.seek_dragging = true;
    dragging.seek_fraction = 0.5;
    const Case cases[] = {
        {"nothing loaded", PlaybackState{}, core_view(), 0, 0, true, 80, false},
        {"no core", PlaybackState{}, BarView{}, 0, 0, true, 80, true},
        {"playing", loud, core_view(), 30, 120, false, 65, false},
        {"past the end", loaded(130, 120), core_view(), 120, 120, false, 80, false},
        {"dragging", loud, dragging, 60, 120, false, 65, false},
        {"duration only", duration_only, core_view(), 20, 50, true, 80, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AccessibleTree t = tree(c.playback, c.view);
        const AccessibleRange& seek = *child(t, "seek").range;
        const AccessibleRange& volume = *child(t, "volume").range;
        EXPECT_DOUBLE_EQ(seek.value, c.seek_value);
        EXPECT_EQ(seek.minimum, 0);
        EXPECT_EQ(seek.maximum, c.seek_maximum);
        EXPECT_EQ(seek.read_only, c.seek_read_only);
        EXPECT_EQ(volume.value, c.volume);
        EXPECT_EQ(volume.maximum, 100);
        EXPECT_EQ(volume.read_only, c.volume_read_only);
    }
}

TEST_F(BarAccess, OffscreenWhenNotShown) {
    BarView hidden = core_view();
    hidden.fullscreen = true;
    hidden.visible = false;
    for (const AccessibleNode& node : tree(PlaybackState{}, hidden).children) EXPECT_TRUE(node.offscreen);
    // At the minimum width the time text has no room and is not painted.
    const AccessibleTree narrow = tree(PlaybackState{}, core_view(), 580);
    EXPECT_TRUE(child(narrow, "time").offscreen);
    EXPECT_FALSE(child(narrow, "seek").offscreen);
    EXPECT_FALSE(child(tree(PlaybackState{}), "time").offscreen);
}

// The events a reader gets between two pictures of the bar.
TEST_F(BarAccess, ChangesBetweenPictures) {
    struct Case {
        const char* name;
        PlaybackState before, after;
        bool switch_language;
        std::vector<std::pair<Kind, std::string>> expected;  // kind, element ("" for the root)
    };
    PlaybackState paused = loaded(10.2, 100);
    paused.paused = true;
    PlaybackState quieter = loaded(10.2, 100);
    quieter.current_volume = 55;
    PlaybackState muted = loaded(10.2, 100);
    muted.muted = true;
    const Case cases[] = {
        {"nothing changed", loaded(10.2, 100), loaded(10.2, 100), false, {}},
        // Within the shown second only the time text would change, and it does not: 0:10 both times.
        {"same second", loaded(10.2, 100), loaded(10.9, 100), false, {}},
        {"next second", loaded(10.9, 100), loaded(11.0, 100), false, {{Kind::name, "time"}, {Kind::value, "seek"}}},
        {"pause", loaded(10.2, 100), paused, false, {{Kind::name, "play_pause"}}},
        {"volume", loaded(10.2, 100), quieter, false, {{Kind::value, "volume"}}},
        {"mute", loaded(10.2, 100), muted, false, {{Kind::toggle, "mute"}}},
        {"load",
         PlaybackState{},
         loaded(0, 100),
         false,
         {{Kind::name, "play_pause"},
          {Kind::enabled, "play_pause"},
          {Kind::enabled, "back"},
          {Kind::enabled, "forward"},
          {Kind::name, "time"},
          {Kind::read_only, "seek"},
          {Kind::maximum, "seek"},
          {Kind::enabled, "audio"},
          {Kind::enabled, "subtitles"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AccessibleTree before = tree(c.before);
        const AccessibleTree after = tree(c.after);
        std::vector<std::pair<Kind, std::string>> seen;
        for (const AccessibleChange& change : accessible_changes(before, after))
            seen.emplace_back(change.kind, change.index < 0 ? "" : after.children[change.index].automation_id);
        EXPECT_EQ(seen, c.expected);
    }
}

TEST_F(BarAccess, LanguageSwitchRebuildsAndRenames) {
    const AccessibleTree english = tree(loaded(1, 100));
    set_active_language(Language::french);
    const AccessibleTree french = tree(loaded(1, 100));
    const std::vector<AccessibleChange> changes = accessible_changes(english, french);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes[0].kind, Kind::structure);
    EXPECT_EQ(changes[0].index, -1);
    std::vector<std::string> renamed;
    for (size_t i = 1; i < changes.size(); ++i) {
        EXPECT_EQ(changes[i].kind, Kind::name);
        renamed.push_back(changes[i].index < 0 ? "" : french.children[changes[i].index].automation_id);
    }
    // Every button and the bar itself; "Volume", "Position" and the time read the same in French.
    EXPECT_EQ(renamed, (std::vector<std::string>{"", "open", "play_pause", "back", "forward", "mute", "audio",
                                                 "subtitles", "on_top", "fullscreen", "help"}));
}

TEST(AccessibleTree, ChildAtSkipsOffscreen) {
    AccessibleTree t;
    t.children.resize(2);
    t.children[0].rect = BarRect{0, 0, 10, 10};
    t.children[0].offscreen = true;
    t.children[1].rect = BarRect{0, 0, 20, 10};
    EXPECT_EQ(accessible_child_at(t, 5, 5), 1);
    EXPECT_EQ(accessible_child_at(t, 20, 5), -1);
    t.children.pop_back();
    EXPECT_EQ(accessible_child_at(t, 5, 5), -1);
    // Elements that differ in number: only a new structure.
    AccessibleTree more = t;
    more.children.emplace_back();
    more.root.name = "renamed";
    EXPECT_EQ(accessible_changes(t, more).size(), 1u);
}

}  // namespace
