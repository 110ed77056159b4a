#include "base/long_path.h"

#include <gtest/gtest.h>

#include <string>

#include "base/utf.h"

namespace {

// A path of exactly `units` UTF-16 units: prefix, then "a" parts, then the rest of the name.
std::string path_of(const std::string& prefix, size_t units, const std::string& tail = ".mkv") {
    const size_t tail_units = utf8_to_utf16(tail).size();
    std::string path = prefix;
    while (utf8_to_utf16(path).size() + 11 + tail_units <= units) path += "aaaaaaaaa\\";
    path.append(units - utf8_to_utf16(path).size() - tail_units, 'v');
    return path + tail;
}

TEST(LongPath, VerbatimFormOnlyForLongAbsolutePaths) {
    const std::string drive259 = path_of("C:\\", 259);
    const std::string drive260 = path_of("C:\\", 260);
    const std::string unc300 = path_of("\\\\server\\share\\", 300);
    const std::string slashes = path_of("D:/", 280);
    // A character outside the BMP is one code point, four UTF-8 bytes and two UTF-16 units.
    const std::string emoji259 = path_of("C:\\", 259, "\xF0\x9F\x8E\xAC");
    ASSERT_EQ(utf8_to_utf16(drive259).size(), 259u);
    ASSERT_EQ(utf8_to_utf16(drive260).size(), 260u);
    ASSERT_EQ(utf8_to_utf16(emoji259).size(), 259u);
    std::string slashes_back = slashes;
    for (char& c : slashes_back)
        if (c == '/') c = '\\';

    struct Case {
        const char* name;
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"short drive path", "C:\\Videos\\clip.mkv", "C:\\Videos\\clip.mkv"},
        {"259 units", drive259, drive259},
        {"260 units", drive260, "\\\\?\\" + drive260},
        {"259 units with a surrogate pair", emoji259, emoji259},
        {"260 units with a surrogate pair", emoji259 + "x", "\\\\?\\" + emoji259 + "x"},
        {"UNC", unc300, "\\\\?\\UNC\\" + unc300.substr(2)},
        {"forward slashes", slashes, "\\\\?\\" + slashes_back},
        {"already verbatim", "\\\\?\\" + drive260, "\\\\?\\" + drive260},
        {"already verbatim UNC", "\\\\?\\UNC\\" + unc300.substr(2), "\\\\?\\UNC\\" + unc300.substr(2)},
        {"device path", "\\\\.\\" + drive260, "\\\\.\\" + drive260},
        {"URL", "https://example.com/" + std::string(300, 'a'), "https://example.com/" + std::string(300, 'a')},
        {"relative", drive260.substr(3), drive260.substr(3)},
        {"drive-relative", "C:" + drive260.substr(3), "C:" + drive260.substr(3)},
        {"rooted without drive", drive260.substr(2), drive260.substr(2)},
        {"dot part", "C:\\.\\" + drive260.substr(3), "C:\\.\\" + drive260.substr(3)},
        {"dot-dot part", "C:\\x\\..\\" + drive260.substr(3), "C:\\x\\..\\" + drive260.substr(3)},
        {"doubled separator", "C:\\x\\\\" + drive260.substr(3), "C:\\x\\\\" + drive260.substr(3)},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(path_for_core(c.in), c.out) << c.name;
}

}  // namespace
