#include "ui/cards/help_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/language.h"
#include "app/version.h"
#include "support/key_names.h"
#include "ui/input/input.h"

namespace {

std::vector<HelpLine> all_lines(const HelpPage& page) {
    std::vector<HelpLine> lines;
    for (const auto& column : page.columns)
        for (const auto& group : column) lines.insert(lines.end(), group.lines.begin(), group.lines.end());
    return lines;
}

class HelpContent : public testing::TestWithParam<Language> {
protected:
    void SetUp() override { set_active_language(GetParam()); }
    void TearDown() override { set_active_language(Language::english); }
    bool english() const { return GetParam() == Language::english; }
};

TEST_P(HelpContent, TitleAndNotes) {
    const HelpPage page = help_page(false);
    EXPECT_EQ(page.title, english() ? "Help — " TARNWICK_VERSION_STRING : "Aide — " TARNWICK_VERSION_STRING);
    ASSERT_EQ(page.notes.size(), 2u);
    EXPECT_EQ(page.notes[0], english() ? "Each video's playback position and the volume are remembered automatically."
                                       : "La position de lecture de chaque vidéo et le volume sont "
                                         "mémorisés automatiquement.");
    EXPECT_EQ(page.notes[1], english() ? "Esc, F1 or click to close" : "Échap, F1 ou clic pour fermer");
}

TEST_P(HelpContent, MultiInstanceRowShowsTheState) {
    for (bool on : {false, true}) {
        const HelpPage page = help_page(on);
        std::string row;
        for (const auto& line : all_lines(page))
            if (line.keys == "I") row = line.action;
        const std::string state = english() ? (on ? "on" : "off") : (on ? "activé" : "désactivé");
        const std::string ending = english() ? "  (currently: " + state + ")" : "  (actuellement : " + state + ")";
        ASSERT_GE(row.size(), ending.size());
        EXPECT_EQ(row.substr(row.size() - ending.size()), ending);
        EXPECT_EQ(multi_instance_state(on), state);
    }
}

// Every key a row names is one the key table binds, every binding of the table is on a row (with
// the same effect, so Ctrl+F counts as F), and what remains are the bindings the window handles
// itself: the mouse, the media keys, Alt combinations and the menu keys.
TEST_P(HelpContent, RowsAndKeyTableAgree) {
    const HelpPage page = help_page(false);
    std::vector<NamedKey> listed;
    std::vector<std::string> others;
    for (const auto& line : all_lines(page))
        for (const NamedKey& key : read_keys(line.keys, english(), others)) {
            EXPECT_TRUE(bound(key)) << line.keys;
            listed.push_back(key);
        }

    for (uint32_t key = 1; key < 256; ++key)
        for (const bool ctrl : {false, true})
            for (const bool shift : {false, true}) {
                const Command command = key_command(key, ctrl, shift);
                if (command.id == CommandId::none) continue;
                const bool on_a_row = std::any_of(listed.begin(), listed.end(), [&](const NamedKey& named) {
                    return named.key == key && key_command(key, named.ctrl, named.shift) == command;
                });
                EXPECT_TRUE(on_a_row) << "key " << key << (ctrl ? " with Ctrl" : "") << (shift ? " with Shift" : "");
            }
    for (int code = 1; code < 128; ++code) {
        const char c = static_cast<char>(code);
        if (char_command(static_cast<uint64_t>(code)).id == CommandId::none) continue;
        const bool on_a_row =
            std::any_of(listed.begin(), listed.end(), [&](const NamedKey& named) { return named.character == c; });
        EXPECT_TRUE(on_a_row) << "character " << c;
    }

    std::vector<std::string> handled_by_the_window =
        english() ? std::vector<std::string>{"Wheel",         "Play/Pause key",
                                             "Stop key",      "Fast forward / Rewind keys",
                                             "Alt+Enter",     "Drag and drop",
                                             "Right-click",   "Shift+F10",
                                             "Menu key",      "Click on the video",
                                             "Double-click",  "Seek bar",
                                             "Volume slider", "Alt+F4"}
                  : std::vector<std::string>{"Molette",           "Touche Lecture/Pause",
                                             "Touche Arrêt",      "Touches Avance / Retour rapides",
                                             "Alt+Entrée",        "Glisser-déposer",
                                             "Clic droit",        "Maj+F10",
                                             "touche Menu",       "Clic sur la vidéo",
                                             "Double-clic",       "Barre de lecture",
                                             "Curseur de volume", "Alt+F4"};
    std::sort(others.begin(), others.end());
    std::sort(handled_by_the_window.begin(), handled_by_the_window.end());
    EXPECT_EQ(others, handled_by_the_window);
}

TEST_P(HelpContent, EveryLineAndHeadingIsFilled) {
    const HelpPage page = help_page(true);
    for (const auto& column : page.columns) {
        EXPECT_FALSE(column.empty());
        for (const auto& group : column) {
            EXPECT_FALSE(group.heading.empty());
            EXPECT_NE(group.icon, 0);
            EXPECT_FALSE(group.lines.empty());
            for (const auto& line : group.lines) {
                EXPECT_FALSE(line.keys.empty());
                EXPECT_FALSE(line.action.empty());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpContent, testing::Values(Language::english, Language::french));

TEST(HelpContentLanguages, TextsDifferBetweenLanguages) {
    set_active_language(Language::english);
    const HelpPage english = help_page(false);
    set_active_language(Language::french);
    const HelpPage french = help_page(false);
    set_active_language(Language::english);
    EXPECT_NE(english.columns[0][0].heading, french.columns[0][0].heading);
    EXPECT_EQ(all_lines(english).size(), all_lines(french).size());
}

}  // namespace
