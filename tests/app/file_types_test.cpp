#include "app/file_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e/format_samples.h"

namespace {

TEST(FileTypes, ExtensionOfTheLastComponent) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Videos\\film.MKV", "mkv"},
        {"C:\\Videos\\film.en.SRT", "srt"},
        {"C:\\Videos\\noext", ""},
        {"C:\\Videos\\.srt", ""},  // the dot starts the name
        {"C:\\Videos\\..", ""},
        {"C:\\Videos\\.", ""},
        {"C:\\my.folder\\video", ""},  // a dotted folder is not the file's extension
        {"C:\\my.folder\\", ""},
        {"/home/u/clip.Mp4", "mp4"},
        {"C:\\a/b.ass", "ass"},
        {"name.", ""},
        {"..srt", "srt"},  // the last dot is not the first character
        {"", ""},
        {"C:\\V\\ÉTÉ.ÉSRT", "Ésrt"},  // only ASCII letters are lower-cased
    };
    for (const auto& [path, extension] : cases) EXPECT_EQ(file_extension(path), extension) << path;
}

TEST(FileTypes, DialogStartsInTheFolderOfALocalFile) {
    std::string accents;  // 130 units in 260 bytes
    for (int i = 0; i < 130; ++i) accents += "\xC3\xA9";
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Videos\\Series\\e01.mkv", "C:\\Videos\\Series\\"},
        {"C:\\e01.mkv", "C:\\"},  // a drive's root keeps its backslash
        {"d:/Films/a.mp4", "d:/Films/"},
        {"\\\\nas\\share\\Films\\a.mkv", "\\\\nas\\share\\Films\\"},
        {"\\\\nas\\share\\a.mkv", "\\\\nas\\share\\"},
        {"\\\\nas\\a.mkv", ""},  // a server alone is no folder
        {"\\\\?\\C:\\Long\\a.mkv", "C:\\Long\\"},
        {"\\\\?\\UNC\\nas\\share\\a.mkv", "\\\\nas\\share\\"},
        {"\\\\?\\Volume{1234}\\a.mkv", ""},
        {"\\\\.\\pipe\\a", ""},
        {"https://example.com/Films/a.mkv", ""},
        {"a.mkv", ""},
        {"Films\\a.mkv", ""},
        {"", ""},
        {"C:\\" + std::string(256, 'x') + "\\a.mkv", ""},  // 260 units: more than the dialog holds
        {"C:\\" + std::string(255, 'x') + "\\a.mkv", "C:\\" + std::string(255, 'x') + "\\"},
        {"C:\\" + accents + "\\a.mkv", "C:\\" + accents + "\\"},  // counted in UTF-16 units, not bytes
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(dialog_start_folder(path), folder) << path;
}

TEST(FileTypes, SubtitlePatternsDecideWhatADropIs) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\v\\a.srt", true},   {"C:\\v\\a.SRT", true}, {"C:\\v\\a.ass", true},      {"C:\\v\\a.ssa", true},
        {"C:\\v\\a.vtt", true},   {"C:\\v\\a.sub", true}, {"C:\\v\\a.idx", true},      {"C:\\v\\a.sup", true},
        {"C:\\v\\a.smi", true},   {"C:\\v\\a.txt", true}, {"C:\\v\\a.Txt", true},      {"C:\\v\\a.mkv", false},
        {"C:\\v\\a", false},      {"C:\\v\\.srt", false}, {"C:\\v\\a.srt\\b", false},  {"C:\\v\\a.sr", false},
        {"C:\\v\\a.srtx", false}, {"C:\\v\\a.", false},   {"C:\\v.srt\\movie", false}, {"https://x/y.srt", true},
    };
    for (const auto& [path, subtitle] : cases) EXPECT_EQ(is_subtitle_file(path), subtitle) << path;
}

TEST(FileTypes, PatternListIsMatchedEntryByEntry) {
    EXPECT_TRUE(matches_patterns("a.mkv", kVideoPatterns));
    EXPECT_TRUE(matches_patterns("a.RMVB", kVideoPatterns));
    EXPECT_TRUE(matches_patterns("a.rm", kVideoPatterns));
    EXPECT_FALSE(matches_patterns("a.r", kVideoPatterns));
    EXPECT_FALSE(matches_patterns("a.srt", kVideoPatterns));
    // No extension gives "*.", which only an entry "*." equals; empty entries match nothing.
    EXPECT_FALSE(matches_patterns("a", "x;;*.y"));
    EXPECT_TRUE(matches_patterns("a", "*."));
    EXPECT_FALSE(matches_patterns("a.b", ""));
    EXPECT_TRUE(matches_patterns("a.b", ";;*.b"));
}

TEST(FileTypes, DialogFilterHasItsNulsAndTheDoubleEnd) {
    const std::string filter = dialog_filter("Videos", "*.mp4;*.mkv", "All files");
    static const char expected[] = "Videos\0*.mp4;*.mkv\0All files\0*.*\0";  // plus the literal's own NUL
    EXPECT_EQ(filter, std::string(expected, sizeof expected));
    static const char empty[] = "\0\0\0*.*\0";
    EXPECT_EQ(dialog_filter("", "", ""), std::string(empty, sizeof empty));
}

// Every pattern the program offers has a row in the format matrix, of its kind, and the matrix has
// no row the program does not offer: a new pattern cannot be offered untested against the DLL.
TEST(FileTypes, EveryOfferedPatternHasAFormatSample) {
    const std::pair<std::string_view, SampleKind> lists[] = {{kVideoPatterns, SampleKind::video},
                                                             {kSubtitlePatterns, SampleKind::subtitle}};
    std::vector<std::string_view> offered;
    for (const auto& [patterns, kind] : lists) {
        for (size_t begin = 0; begin < patterns.size();) {
            const size_t end = std::min(patterns.find(';', begin), patterns.size());
            const std::string_view extension = patterns.substr(begin + 2, end - begin - 2);  // after "*."
            offered.push_back(extension);
            size_t rows = 0;
            for (const FormatSample& sample : kFormatSamples) {
                if (sample.extension != extension) continue;
                ++rows;
                EXPECT_EQ(sample.kind, kind) << extension;
                EXPECT_FALSE(sample.demuxer.empty() || sample.codecs.empty()) << extension;
            }
            EXPECT_EQ(rows, 1u) << extension;
            begin = end + 1;
        }
    }
    for (const FormatSample& sample : kFormatSamples)
        EXPECT_NE(std::find(offered.begin(), offered.end(), sample.extension), offered.end()) << sample.extension;
}

}  // namespace
