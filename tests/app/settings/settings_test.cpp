#include "app/settings/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/settings/language.h"
#include "app/settings/settings_table.h"
#include "base/text.h"
#include "base/utf.h"

namespace {

// The keys whose values differ, by name, so a failure says which.
std::string differing_keys(const Settings& a, const Settings& b) {
    const SettingsKeys keys = changed_keys(a, b);
    std::string names;
    for (const SettingRow& row : kSettingRows)
        if (keys & row.bit) names.append(row.key).append(" ");
    return names;
}

void expect_same(const Settings& actual, const Settings& expected, const std::string& context) {
    EXPECT_EQ(differing_keys(actual, expected), "") << context;
}

bool same(const Settings& a, const Settings& b) { return changed_keys(a, b) == 0; }

using Change = void (*)(Settings&);

struct ParseCase {
    const char* name;
    std::string text;
    Change change;  // turns the defaults into the expected settings
};

void nothing(Settings&) {}

TEST(Settings, ParsingRules) {
    const ParseCase cases[] = {
        {"empty file", "", nothing},
        {"padded volume", "  volume = 55.6 ", [](Settings& s) { s.volume = 55.6; }},
        {"volume above 100", "volume=150", [](Settings& s) { s.volume = 100; }},
        {"negative volume", "volume=-3", [](Settings& s) { s.volume = 0; }},
        {"volume not a number", "volume=abc", nothing},
        {"volume with trailing text", "volume=55abc", nothing},
        {"empty volume", "volume=", nothing},
        {"bad volume keeps the earlier one", "volume=40\nvolume=abc", [](Settings& s) { s.volume = 40; }},
        {"nan volume", "volume=40\nvolume=nan", [](Settings& s) { s.volume = 40; }},
        {"NAN volume", "volume=NAN", nothing},
        {"infinite volume", "volume=40\nvolume=inf", [](Settings& s) { s.volume = 40; }},
        {"minus infinity", "volume=40\nvolume=-infinity", [](Settings& s) { s.volume = 40; }},
        {"volume out of double range", "volume=40\nvolume=1e999", [](Settings& s) { s.volume = 40; }},
        {"volume with exponent", "volume=2.5e1", [](Settings& s) { s.volume = 25; }},
        {"volume with plus sign", "volume=+30", [](Settings& s) { s.volume = 30; }},
        {"volume with two signs", "volume=+-30", nothing},
        {"mute=true is off", "mute=true", nothing},
        {"mute=1 is on", "mute=1", [](Settings& s) { s.mute = true; }},
        {"padded 1 is on", "mute= 1 ", [](Settings& s) { s.mute = true; }},
        {"last occurrence wins", "mute=1\nmute=yes", nothing},
        {"wheel_invert cleared", "wheel_invert=0", [](Settings& s) { s.wheel_invert = false; }},
        {"wheel_invert=true clears it", "wheel_invert=true", [](Settings& s) { s.wheel_invert = false; }},
        {"every flag", "multi_instance=1\nhide_about=1\nalways_on_top=1\nmaximized=1",
         [](Settings& s) { s.multi_instance = s.hide_about = s.always_on_top = s.maximized = true; }},
        {"window with spaces", "window=10, 20, 800, 600",
         [](Settings& s) {
             s.window_valid = true;
             s.window_rect = {10, 20, 800, 600};
         }},
        {"window with three numbers", "window=10,20,800", nothing},
        {"window left of right", "window=800,20,10,600", nothing},
        {"window empty width", "window=10,20,10,600", nothing},
        {"window with a skipped piece", "window=10,x,20,800,600",
         [](Settings& s) {
             s.window_valid = true;
             s.window_rect = {10, 20, 800, 600};
         }},
        {"window with five numbers", "window=1,2,3,4,5", nothing},
        {"window piece out of 32 bits skipped", "window=2147483648,-5,-1,100,7",
         [](Settings& s) {
             s.window_valid = true;
             s.window_rect = {-5, -1, 100, 7};
         }},
        {"window at the 32-bit limits", "window=-2147483648,-2147483648,2147483647,2147483647",
         [](Settings& s) {
             s.window_valid = true;
             s.window_rect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
         }},
        {"bad window keeps the earlier one", "window=1,2,3,4\nwindow=800,20,10,600",
         [](Settings& s) {
             s.window_valid = true;
             s.window_rect = {1, 2, 3, 4};
         }},
        {"window with a fraction", "window=1.5,2,3,4", nothing},
        {"keys are case-sensitive", "Volume=20\nMUTE=1", nothing},
        {"value keeps later equal signs", "mpv_options=hwdec=no", [](Settings& s) { s.mpv_options = "hwdec=no"; }},
        {"text values trimmed, inner spaces kept",
         "compress=  a b  \nlanguage=\xC2\xA0"
         "fr\xE3\x80\x80",
         [](Settings& s) {
             s.compress = "a b";
             s.language = "fr";
         }},
        {"padded key", " \tlanguage\xE2\x80\x83= en", [](Settings& s) { s.language = "en"; }},
        {"line without equals", "volume 20\nmute", nothing},
        {"unknown key", "colour=red\n=5", nothing},
        {"invalid UTF-8 anywhere gives defaults", "volume=20\nmute=1\ncompress=\xFF", nothing},
        {"overlong UTF-8 gives defaults", "volume=20\nlanguage=\xC0\xAF", nothing},
        {"byte-order mark skipped", "\xEF\xBB\xBFvolume=20\nmute=1",
         [](Settings& s) {
             s.volume = 20;
             s.mute = true;
         }},
        {"only one byte-order mark skipped", "\xEF\xBB\xBF\xEF\xBB\xBFvolume=20\nmute=1",
         [](Settings& s) { s.mute = true; }},
        {"byte-order mark inside is text",
         "language=\xEF\xBB\xBF"
         "fr",
         [](Settings& s) {
             s.language =
                 "\xEF\xBB\xBF"
                 "fr";
         }},
        {"no final line feed", "mute=0\nmute=1", [](Settings& s) { s.mute = true; }},
        {"lone carriage returns do not split", "mute=1\rvolume=20", nothing},
    };
    for (const auto& c : cases) {
        Settings expected;
        c.change(expected);
        expect_same(parse_settings(c.text), expected, c.name);
    }
}

TEST(Settings, WindowsLineEndingsReadTheSame) {
    const std::string lf = "volume=37\nmute=1\nwheel_invert=0\ncompress=x\nwindow=-10,0,500,400\nlanguage=fr\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const Settings expected = parse_settings(lf);
    EXPECT_EQ(expected.volume, 37);
    EXPECT_TRUE(expected.window_valid);
    expect_same(parse_settings(crlf), expected, "CRLF");
    // Notepad's form: byte-order mark and CRLF together.
    expect_same(parse_settings("\xEF\xBB\xBF" + crlf), expected, "BOM + CRLF");
}

TEST(Settings, DefaultsWriteTenLines) {
    EXPECT_EQ(format_settings(Settings{}),
              "volume=80\nmute=0\nmulti_instance=0\nwheel_invert=1\nhide_about=0\nalways_on_top=0\nmaximized=0\n"
              "compress=\nmpv_options=\nlanguage=\n");
}

TEST(Settings, EveryFieldWritten) {
    Settings s;
    s.volume = 55.6;
    s.mute = s.multi_instance = s.hide_about = s.always_on_top = s.maximized = true;
    s.wheel_invert = false;
    s.compress = "z";
    s.mpv_options = "hwdec=no,vo=gpu";
    s.language = "fr";
    s.window_valid = true;
    s.window_rect = {-1920, -8, 0, 1072};
    EXPECT_EQ(format_settings(s),
              "volume=56\nmute=1\nmulti_instance=1\nwheel_invert=0\nhide_about=1\nalways_on_top=1\nmaximized=1\n"
              "compress=z\nmpv_options=hwdec=no,vo=gpu\nlanguage=fr\nwindow=-1920,-8,0,1072\n");
}

TEST(Settings, VolumeWrittenAsWholeNumber) {
    const std::pair<double, const char*> cases[] = {
        {55.6, "volume=56\n"}, {55.5, "volume=56\n"},      {0.4, "volume=0\n"}, {99.5, "volume=100\n"},
        {100, "volume=100\n"}, {0, "volume=0\n"},          {-3, "volume=0\n"},  {250, "volume=100\n"},
        {NAN, "volume=80\n"},  {INFINITY, "volume=100\n"},
    };
    for (const auto& [volume, line] : cases) {
        Settings s;
        s.volume = volume;
        const std::string text = format_settings(s);
        EXPECT_EQ(text.substr(0, text.find('\n') + 1), line) << volume;
    }
}

// Text made of pieces that stress the parser: separators, signs, white space inside, multi-byte
// letters, and words that look like keys.
std::string random_text(std::mt19937& random, bool trimmed) {
    static const char* const pieces[] = {"a",
                                         "Z",
                                         "=",
                                         ",",
                                         "1",
                                         "-",
                                         " ",
                                         "\t",
                                         "\r",
                                         "x=y",
                                         "volume=3",
                                         "é",
                                         "—",
                                         "🎬",
                                         "\xC2\xA0",
                                         "\xE3\x80\x80",
                                         "\xEF\xBB\xBF",
                                         "nan",
                                         "inf",
                                         "hwdec=no"};
    std::string text;
    const int count = static_cast<int>(random() % 8);
    for (int i = 0; i < count; ++i) text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
    return trimmed ? std::string(trim_white(text)) : text;
}

int32_t random_int32(std::mt19937& random) {
    switch (random() % 4) {
        case 0:
            return INT32_MIN + static_cast<int32_t>(random() % 3);
        case 1:
            return INT32_MAX - static_cast<int32_t>(random() % 3);
        default:
            return static_cast<int32_t>(random() % 8001) - 4000;
    }
}

Settings random_valid_settings(std::mt19937& random) {
    Settings s;
    for (const SettingRow& row : kSettingRows) switch (row.kind) {
            case SettingKind::flag:
                s.*row.flag = random() % 2;
                break;
            case SettingKind::text:
                s.*row.text = random_text(random, true);
                break;
            case SettingKind::volume:
                s.volume = static_cast<double>(random() % 101);
                break;
            case SettingKind::window:
                if (random() % 3) {
                    int32_t a = random_int32(random), b = random_int32(random), c = random_int32(random),
                            d = random_int32(random);
                    if (a == b) b = a == INT32_MAX ? a - 1 : a + 1;
                    if (c == d) d = c == INT32_MAX ? c - 1 : c + 1;
                    s.window_valid = true;
                    s.window_rect = {std::min(a, b), std::min(c, d), std::max(a, b), std::max(c, d)};
                }
                break;
        }
    return s;
}

// Every state the program can be in survives a write and a read unchanged.
TEST(Settings, FormatThenParseGivesTheSameSettings) {
    std::mt19937 random(20260412);
    for (int round = 0; round < 20000; ++round) {
        const Settings s = random_valid_settings(random);
        const std::string text = format_settings(s);
        ASSERT_TRUE(same(parse_settings(text), s)) << "round " << round << ":\n" << text;
    }
}

std::string random_file(std::mt19937& random) {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all{"Volume", " window ", "", "junk"};
        for (const SettingRow& row : kSettingRows) all.emplace_back(row.key);
        return all;
    }();
    static const char* const values[] = {"1",
                                         "0",
                                         "55.6",
                                         "-3",
                                         "150",
                                         "nan",
                                         "-inf",
                                         "1e400",
                                         "10,20,800,600",
                                         "800,20,10,600",
                                         "10,x,20,800,600",
                                         " fr ",
                                         "true",
                                         "+7",
                                         "0x10",
                                         ""};
    static const char* const ends[] = {"\n", "\r\n", "\r", "", "\n\n"};
    std::string text = random() % 10 == 0 ? "\xEF\xBB\xBF" : "";
    const int lines = static_cast<int>(random() % 14);
    for (int i = 0; i < lines; ++i) {
        if (random() % 6 == 0) {
            text += random_text(random, false);
        } else {
            text += keys[random() % keys.size()];
            text += random() % 8 ? "=" : " ";
            text += random() % 4 ? values[random() % (sizeof values / sizeof values[0])] : random_text(random, false);
        }
        text += ends[random() % (sizeof ends / sizeof ends[0])];
    }
    if (!text.empty() && random() % 20 == 0) text[random() % text.size()] ^= '\x80';  // often breaks UTF-8
    return text;
}

// Arbitrary files never give a state the program cannot use, and the first write turns any file
// into one that reads back exactly.
TEST(Settings, ArbitraryFilesGiveUsableSettings) {
    std::mt19937 random(9001);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = random_file(random);
        const Settings first = parse_settings(text);
        ASSERT_TRUE(std::isfinite(first.volume) && first.volume >= 0 && first.volume <= 100) << text;
        if (first.window_valid) {
            ASSERT_LT(first.window_rect.left, first.window_rect.right) << text;
            ASSERT_LT(first.window_rect.top, first.window_rect.bottom) << text;
        }
        for (const std::string* value : {&first.compress, &first.mpv_options, &first.language}) {
            ASSERT_TRUE(is_valid_utf8(*value)) << text;
            ASSERT_EQ(value->find('\n'), std::string::npos) << text;
            ASSERT_EQ(trim_white(*value), *value) << text;
        }
        const std::string written = format_settings(first);
        const Settings second = parse_settings(written);
        Settings rounded = first;
        rounded.volume = std::round(first.volume);
        ASSERT_TRUE(same(second, rounded)) << text << "\n---\n" << written;
        ASSERT_EQ(format_settings(second), written) << text;
    }
}

TEST(Settings, TemporaryFileNamesNameTheirProcess) {
    EXPECT_EQ(settings_temporary_name(4242), "settings.ini.4242.tmp");
    const std::pair<const char*, std::optional<uint32_t>> cases[] = {
        {"settings.ini.4242.tmp", 4242u},
        {"settings.ini.4294967295.tmp", 4294967295u},
        {"settings.ini.4294967296.tmp", std::nullopt},
        {"settings.ini.0.tmp", std::nullopt},
        {"settings.ini.042.tmp", std::nullopt},
        {"settings.ini.+42.tmp", std::nullopt},
        {"settings.ini.-42.tmp", std::nullopt},
        {"settings.ini.42x.tmp", std::nullopt},
        {"settings.ini..tmp", std::nullopt},
        {"settings.ini.42.tmp.bak", std::nullopt},
        {"Settings.ini.42.tmp", std::nullopt},
        {"settings.ini", std::nullopt},
    };
    for (const auto& [name, owner] : cases) EXPECT_EQ(settings_temporary_owner(name), owner) << name;
}

}  // namespace
