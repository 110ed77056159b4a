#include "app/shell/hand_off.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HandOff, TextEndsAtTheFirstNulOrTheBufferAndIgnoresAnOddByte) {
    struct Case {
        const char* name;
        std::u16string units;
        size_t size;  // bytes given to the decoder
        std::string text;
    };
    const Case cases[] = {
        {"terminated", u"C:\\a.mkv\0", 18, "C:\\a.mkv"},
        {"no terminator", u"C:\\a", 8, "C:\\a"},
        {"odd size drops the last byte", u"ab", 3, "a"},
        {"one byte", u"a", 1, ""},
        {"stops at the first NUL", std::u16string(u"a\0b", 3), 6, "a"},
        {"lone surrogate replaced", std::u16string(1, char16_t(0xD800)), 2, "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) EXPECT_EQ(hand_off_text(c.units.data(), c.size), c.text) << c.name;
    EXPECT_EQ(hand_off_text(nullptr, 100), "");
}

TEST(HandOff, TextLongerThanAnyPathIsRefused) {
    const std::u16string longest(kLongestHandOffUnits, u'a');
    EXPECT_EQ(hand_off_text(longest.data(), longest.size() * 2).size(), kLongestHandOffUnits);
    const std::u16string longer(kLongestHandOffUnits + 1, u'a');
    EXPECT_EQ(hand_off_text(longer.data(), longer.size() * 2), "");
}

TEST(HandOff, OnlyUrlsAndFullPathsToFilesAreTargets) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\films\\a.mkv", true},
        {"c:/films/a.mkv", true},
        {"\\\\server\\share\\a.mkv", true},
        {"\\\\?\\C:\\very\\long\\a.mkv", true},
        {"\\\\?\\UNC\\server\\share\\a.mkv", true},
        {"https://example.com/a.mkv", true},
        {"C:\\films\\..\\films\\a.mkv", true},
        {"", false},
        {"a.mkv", false},
        {"films\\a.mkv", false},
        {"\\films\\a.mkv", false},
        {"C:a.mkv", false},
        {"1:\\a.mkv", false},
        {"CON", false},
        {"C:\\films\\con.mkv", false},
        {"C:\\films\\Nul", false},
        {"C:\\films\\COM1.txt", false},
        {"C:\\films\\lpt9", false},
        {"C:\\films\\conout$", false},
        {"C:\\films\\aux .mkv", false},
        {"C:\\films\\console.mkv", true},
        {"C:\\films\\com10.mkv", true},
        {"\\\\.\\PhysicalDrive0", false},
        {"//./PhysicalDrive0", false},
        {"\\\\?\\GLOBALROOT\\Device\\Null", false},
    };
    for (const auto& [text, target] : cases) EXPECT_EQ(is_hand_off_target(text), target) << text;
}

}  // namespace
