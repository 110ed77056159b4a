#include "base/utf.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf, RoundTripsEveryPlane) {
    const std::string text =
        "aé—🎬"
        "z";  // a é — 🎬 z
    const std::u16string units = utf8_to_utf16(text);
    EXPECT_EQ(units, (std::u16string{u'a', 0xE9, 0x2014, 0xD83C, 0xDFAC, u'z'}));
    EXPECT_EQ(utf16_to_utf8(units), text);
}

TEST(Utf, EmptyAndEmbeddedNulSurvive) {
    EXPECT_EQ(utf8_to_utf16(""), u"");
    EXPECT_EQ(utf16_to_utf8(u""), "");
    const std::string with_nul("a\0b", 3);
    EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(with_nul)), with_nul);
}

TEST(Utf, UnpairedSurrogatesBecomeReplacementCharacters) {
    const std::u16string lone_high{u'x', 0xD800, u'y'};
    const std::u16string lone_low{0xDC00};
    const std::u16string reversed{0xDC00, 0xD800};
    const std::u16string high_at_end{u'a', 0xDBFF};
    EXPECT_EQ(utf16_to_utf8(lone_high), "x\xEF\xBF\xBDy");
    EXPECT_EQ(utf16_to_utf8(lone_low), "\xEF\xBF\xBD");
    EXPECT_EQ(utf16_to_utf8(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(utf16_to_utf8(high_at_end), "a\xEF\xBF\xBD");
}

struct InvalidCase {
    const char* name;
    std::string input;
    std::string sanitized;
};

TEST(Utf, InvalidUtf8GivesOneReplacementPerMaximalSubpart) {
    const std::string r = "\xEF\xBF\xBD";
    const InvalidCase cases[] = {
        {"lone continuation",
         "a\x80"
         "b",
         "a" + r + "b"},
        {"bad lead byte", "\xFF", r},
        {"overlong slash", "\xC0\xAF", r + r},
        {"overlong three-byte", "\xE0\x80\xAF", r + r + r},
        {"truncated three-byte",
         "\xE2\x80"
         "x",
         r + "x"},
        {"truncated at end", "ok\xF0\x9F\x8E", "ok" + r},
        {"encoded surrogate", "\xED\xA0\x80", r + r + r},
        {"above U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r},
        {"valid kept", "café", "café"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sanitize_utf8(c.input), c.sanitized) << c.name;
        EXPECT_EQ(is_valid_utf8(c.input), c.input == c.sanitized) << c.name;
        EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(c.input)), c.sanitized) << c.name;
    }
}

}  // namespace
