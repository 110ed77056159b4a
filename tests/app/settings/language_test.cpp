#include "app/settings/language.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

TEST(Language, RecognisedWords) {
    const std::pair<const char*, std::optional<Language>> cases[] = {
        {"fr", Language::french},
        {" FR ", Language::french},
        {"French", Language::french},
        {"francais", Language::french},
        {"français", Language::french},
        {"\xC2\xA0"
         "en\xE2\x80\x83",
         Language::english},
        {"ENGLISH", Language::english},
        {"anglais", Language::english},
        {"Deutsch", std::nullopt},
        {"", std::nullopt},
        {"e n", std::nullopt},
        {"fr-FR", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(recognise_language(text), expected) << text;
}

TEST(Language, UiLanguagePrimaryId) {
    EXPECT_EQ(language_for_ui_language(0x040C), Language::french);  // fr-FR
    EXPECT_EQ(language_for_ui_language(0x0C0C), Language::french);  // fr-CA
    EXPECT_EQ(language_for_ui_language(0x100C), Language::french);  // fr-CH
    EXPECT_EQ(language_for_ui_language(0x0409), Language::english);
    EXPECT_EQ(language_for_ui_language(0x0407), Language::english);
}

TEST(Language, PickFollowsTheActiveLanguage) {
    constexpr Text text{"Muted", "Muet"};
    set_active_language(Language::french);
    EXPECT_STREQ(pick(text), "Muet");
    set_active_language(Language::english);
    EXPECT_STREQ(pick(text), "Muted");
}

TEST(Language, TrimWhite) {
    EXPECT_EQ(trim_white(" \t\r\n x y \xE3\x80\x80"), "x y");
    EXPECT_EQ(trim_white("\xE2\x80\x8B"
                         "a"),
              "\xE2\x80\x8B"
              "a");  // zero-width space is not white space
    EXPECT_EQ(trim_white("   "), "");
}

}  // namespace
