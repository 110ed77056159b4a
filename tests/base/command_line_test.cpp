#include "base/command_line.h"

#include <gtest/gtest.h>

#include "base/utf.h"

namespace {

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> out;
    for (const auto& arg : split_command_line(utf8_to_utf16(line))) out.push_back(utf16_to_utf8(arg));
    return out;
}

using Args = std::vector<std::string>;

TEST(CommandLine, ProgramNameEndsAtBlankOutsideQuotes) {
    EXPECT_EQ(split("player.exe a"), (Args{"player.exe", "a"}));
    EXPECT_EQ(split("\"C:\\Program Files\\T\\t.exe\" \"C:\\My Videos\\a b.mkv\""),
              (Args{"C:\\Program Files\\T\\t.exe", "C:\\My Videos\\a b.mkv"}));
    EXPECT_EQ(split("t.exe\tx"), (Args{"t.exe", "x"}));
    EXPECT_EQ(split(""), (Args{""}));
    EXPECT_EQ(split("t.exe   "), (Args{"t.exe"}));
}

TEST(CommandLine, QuotesAndBackslashesFollowTheShell) {
    struct Case {
        const char* line;
        Args args;
    } cases[] = {
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        {R"(p a\\"b c")", {"p", R"(a\b c)"}},
        {R"(p a\b\c)", {"p", R"(a\b\c)"}},
        {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
        {R"(p trailing\\)", {"p", R"(trailing\\)"}},
        {R"(p "" x)", {"p", "", "x"}},
        {R"(p "unbalanced arg)", {"p", "unbalanced arg"}},
        {R"(p """a""")", {"p", R"("a")"}},
        {R"(p "a""b")", {"p", R"(a"b)"}},
        {R"(p a"b"c)", {"p", "abc"}},
        {"p \"a\tb\"\t c", {"p", "a\tb", "c"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split(c.line), c.args) << c.line;
}

TEST(CommandLine, FirstArgumentOnly) {
    EXPECT_EQ(first_argument(u"p one two"), std::u16string(u"one"));
    EXPECT_FALSE(first_argument(u"p").has_value());
    EXPECT_FALSE(first_argument(u"\"p q\"  ").has_value());
    EXPECT_EQ(first_argument(u"p \"\""), std::u16string());
}

TEST(CommandLine, LongArgumentsAndLoneSurrogatesSurvive) {
    const std::u16string long_arg(32767, u'x');
    EXPECT_EQ(first_argument(u"p " + long_arg), long_arg);
    const std::u16string odd{u'p', u' ', 0xD800, u'z'};
    EXPECT_EQ(utf16_to_utf8(*first_argument(odd)), "\xEF\xBF\xBDz");
}

TEST(CommandLine, UrlsAndVerbatimPaths) {
    EXPECT_TRUE(is_url("https://example.com/a.mp4"));
    EXPECT_TRUE(is_url("rtsp://cam/stream"));
    EXPECT_FALSE(is_url("C:\\videos\\a:b.mkv"));
    EXPECT_TRUE(is_verbatim_path("\\\\?\\C:\\a.mkv"));
    EXPECT_FALSE(is_verbatim_path("\\\\server\\share\\a.mkv"));
}

}  // namespace
