#include "ui/help_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/language.h"

namespace {

std::vector<HelpLine> all_lines(const HelpPage& page) {
    std::vector<HelpLine> lines;
    for (const auto& column : page.columns)
        for (const auto& group : column) lines.insert(lines.end(), group.lines.begin(), group.lines.end());
    return lines;
}

bool some_keys_contain(const HelpPage& page, const std::string& token) {
    for (const auto& line : all_lines(page))
        if (line.keys.find(token) != std::string::npos) return true;
    return false;
}

class HelpContent : public testing::TestWithParam<Language> {
protected:
    void SetUp() override { set_active_language(GetParam()); }
    void TearDown() override { set_active_language(Language::english); }
    bool english() const { return GetParam() == Language::english; }
};

TEST_P(HelpContent, TitleAndNotes) {
    const HelpPage page = help_page(false);
    EXPECT_EQ(page.title, english() ? "Help — 1.8.0" : "Aide — 1.8.0");
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

// Every key and mouse binding the program has is listed.
TEST_P(HelpContent, ListsEveryBinding) {
    const HelpPage page = help_page(false);
    const std::vector<std::string> common{"K",      "←",   "→",  "↑",      "↓", "M", "A", "S", "I", "T",
                                          "Ctrl+O", "F11", "F1", "Alt+F4", "+", "-", "=", ".", ",", "Ctrl+←"};
    for (const auto& token : common) EXPECT_TRUE(some_keys_contain(page, token)) << token;
    const std::vector<std::string> worded =
        english() ? std::vector<std::string>{"Space",         "Home",
                                             "Enter",         "Esc",
                                             "Shift+",        "Wheel",
                                             "Double-click",  "Right-click",
                                             "Drag and drop", "Seek bar",
                                             "Volume slider", "Click on the video",
                                             "Alt+Enter",     "Shift+F10",
                                             "Menu key",      "Play/Pause key",
                                             "Stop key",      "Fast forward / Rewind keys"}
                  : std::vector<std::string>{"Espace",
                                             "Début",
                                             "Entrée",
                                             "Échap",
                                             "Maj+",
                                             "Molette",
                                             "Double-clic",
                                             "Clic droit",
                                             "Glisser-déposer",
                                             "Barre de lecture",
                                             "Curseur de volume",
                                             "Clic sur la vidéo",
                                             "Alt+Entrée",
                                             "Maj+F10",
                                             "touche Menu",
                                             "Touche Lecture/Pause",
                                             "Touche Arr\xC3\xAAt",
                                             "Touches Avance / Retour rapides"};
    for (const auto& token : worded) EXPECT_TRUE(some_keys_contain(page, token)) << token;
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
