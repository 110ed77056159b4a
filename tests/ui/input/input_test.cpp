#include "ui/input/input.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <utility>

#include "app/shell/shell_surfaces.h"
#include "ui/bar/bar_model.h"
#include "ui/cards/about_layout.h"
#include "ui/cards/help_window.h"
#include "ui/input/context_menu.h"
#include "ui/window_modes.h"

namespace {

using C = CommandId;

struct Row {
    uint32_t key;
    Command plain;
    Command shift;  // without Ctrl
    Command ctrl;   // with or without Shift
    Command alt{};  // with Alt, where the window acts rather than Windows
};

// The whole keyboard table as the user reads it in the Help window.
const Row kTable[] = {
    {kKeyReturn, {C::toggle_fullscreen}, {C::toggle_fullscreen}, {C::toggle_fullscreen}, {C::toggle_fullscreen}},
    {'F', {C::toggle_fullscreen}, {C::toggle_fullscreen}, {C::toggle_fullscreen}},
    {kKeyF11, {C::toggle_fullscreen}, {C::toggle_fullscreen}, {C::toggle_fullscreen}},
    {kKeyEscape, {C::leave_fullscreen}, {C::leave_fullscreen}, {C::leave_fullscreen}},
    {kKeySpace, {C::toggle_pause}, {C::toggle_pause}, {C::toggle_pause}},
    {'K', {C::toggle_pause}, {C::toggle_pause}, {C::toggle_pause}},
    {kKeyHome, {C::seek_to_start}, {C::seek_to_start}, {C::seek_to_start}},
    {kKeyLeft, {C::seek_relative, -5}, {C::seek_relative, -1}, {C::seek_relative, -60}},
    {kKeyRight, {C::seek_relative, 5}, {C::seek_relative, 1}, {C::seek_relative, 60}},
    {kKeyUp, {C::volume_step, 5}, {C::volume_step, 5}, {C::volume_step, 5}},
    {kKeyDown, {C::volume_step, -5}, {C::volume_step, -5}, {C::volume_step, -5}},
    {'M', {C::toggle_mute}, {C::toggle_mute}, {C::toggle_mute}},
    {'A', {C::next_audio_track}, {C::next_audio_track}, {}},
    {'S', {C::next_subtitle_track}, {C::next_subtitle_track}, {}},
    {'I', {C::toggle_multi_instance}, {C::toggle_multi_instance}, {}},
    {'T', {C::toggle_always_on_top}, {C::toggle_always_on_top}, {}},
    {'O', {}, {}, {C::open_video}},
    {kKeyF1, {C::toggle_help}, {C::toggle_help}, {C::toggle_help}},
};

TEST(KeyBindings, EveryKeyWithEveryModifierCombination) {
    std::map<uint32_t, const Row*> rows;
    for (const Row& row : kTable) rows[row.key] = &row;
    for (uint32_t key = 0; key <= 0xFF; ++key) {
        const auto it = rows.find(key);
        for (const bool ctrl : {false, true}) {
            for (const bool shift : {false, true}) {
                Command expected;
                if (it != rows.end())
                    expected = ctrl ? it->second->ctrl : shift ? it->second->shift : it->second->plain;
                const Command actual = key_command(key, ctrl, shift);
                EXPECT_EQ(actual, expected) << "key " << key << " ctrl " << ctrl << " shift " << shift << ": "
                                            << command_name(actual.id) << " " << actual.amount;
            }
        }
        EXPECT_EQ(alt_key_command(key), it != rows.end() ? it->second->alt : Command{}) << "Alt+key " << key;
    }
}

TEST(KeyBindings, LowerCaseLettersAreNotVirtualKeys) {
    // Virtual keys for letters are the upper-case codes; 0x61 is VK_NUMPAD1 and is not bound.
    for (const uint32_t key : {uint32_t{'a'}, uint32_t{'f'}, uint32_t{'o'}, uint32_t{'k'}})
        EXPECT_EQ(key_command(key, false, false).id, C::none) << key;
}

TEST(CharBindings, FiveCharactersAndNothingElse) {
    const std::pair<uint64_t, CommandId> bound[] = {{'+', C::speed_up},
                                                    {'-', C::speed_down},
                                                    {'=', C::speed_reset},
                                                    {'.', C::frame_step},
                                                    {',', C::frame_back_step}};
    for (const auto& [code, command] : bound) EXPECT_EQ(char_command(code), Command{command}) << code;
    for (const uint64_t code : {uint64_t{' '}, uint64_t{'k'}, uint64_t{0x2B + 0x10000}, uint64_t{0xFF0B},
                                uint64_t{0x10000000 + '+'}, uint64_t{'\r'}})
        EXPECT_EQ(char_command(code).id, C::none) << code;
}

// Every command of the list is something the user can ask for: a key, a character, the wheel, a
// menu entry, a bar button or drag, a dropped file, a key of the Help window, About's check box or a
// media key gives it. The windows hand what these give to run_command, which runs the whole list in
// commands_win_test; scripts/check-calls fails when any other file calls an action run_command runs.
TEST(Commands, EveryCommandIsAskedForSomewhere) {
    std::set<CommandId> given;
    for (uint32_t key = 0; key <= 0xFF; ++key) {
        for (const bool ctrl : {false, true})
            for (const bool shift : {false, true}) given.insert(key_command(key, ctrl, shift).id);
        given.insert(help_key_command(key).id);
    }
    for (uint64_t code = 0; code < 128; ++code) given.insert(char_command(code).id);
    given.insert(wheel_command(120, false).id);
    for (uint32_t id = 0; id <= 3100; ++id) given.insert(menu_command(id).id);
    for (uint8_t button = 0; button < kBarButtonCount; ++button) given.insert(bar_button_command(button).id);
    for (const bool final : {false, true}) given.insert(seek_drag_command(100, 0.5, final).id);
    given.insert(volume_drag_command(0.5).id);
    for (uint8_t item = 0; item <= static_cast<uint8_t>(AboutItem::close_button); ++item)
        given.insert(about_item_command(static_cast<AboutItem>(item)).id);
    for (const char* dropped : {"C:\\v\\film.mkv", "C:\\v\\film.srt"}) {
        const Command command = drop_command(dropped);
        EXPECT_EQ(command.path, dropped);
        given.insert(command.id);
    }
    for (const MediaAction action :
         {MediaAction::toggle_pause, MediaAction::play, MediaAction::pause, MediaAction::back, MediaAction::forward})
        given.insert(media_command(action).id);
    for (size_t i = 0; i < std::size(kCommandNames); ++i)
        EXPECT_EQ(given.count(static_cast<CommandId>(i)), 1u) << kCommandNames[i];
}

TEST(Wheel, OneStepOfFivePerMessage) {
    const auto wheel_volume_step = [](int16_t delta, bool invert) {
        const Command command = wheel_command(delta, invert);
        EXPECT_EQ(command.id, C::volume_step);
        return static_cast<int32_t>(command.amount);
    };
    struct Case {
        int16_t delta;
        bool invert;
        int32_t step;
    };
    const Case cases[] = {
        {120, false, 5},     {30, false, 5},    {1, false, 5},     {-1, false, -5},
        {-120, false, -5},   {0, false, -5},  // no turn up
        {-32768, false, -5}, {32767, false, 5}, {120, true, -5},   {30, true, -5},
        {-120, true, 5},     {0, true, 5},      {-32768, true, 5}, {32767, true, -5},
    };
    for (const Case& c : cases) EXPECT_EQ(wheel_volume_step(c.delta, c.invert), c.step) << c.delta << " " << c.invert;

    // Four messages of a high-resolution wheel (delta 30 each) raise the volume by 20.
    int32_t total = 0;
    for (int i = 0; i < 4; ++i) total += wheel_volume_step(30, false);
    EXPECT_EQ(total, 20);
}

TEST(AutoHide, KeepsTheBarOnlyForTargetsDragsHelpAndMenus) {
    struct Case {
        AutoHideInputs in;
        bool keep;
    };
    const Case cases[] = {
        {{false, false, false, false, false}, false},      {{true, false, false, false, false}, false},
        {{true, true, false, false, false}, false},         // resting on the bar's empty background
        {{true, true, true, false, false}, true},           // resting on a button
        {{false, true, true, false, false}, false},         // bar already hidden
        {{true, false, true, false, false}, false},         // stale hover outside the strip
        {{false, false, false, true, false}, true},         // dragging
        {{false, false, false, false, true}, true},         // Help window open
        {{false, false, false, false, false, true}, true},  // a popup menu open
        {{true, true, true, true, true, true}, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(auto_hide_keeps_bar(cases[i].in), cases[i].keep) << i;
}

}  // namespace
