#include "app/settings/settings.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <utility>

#include "app/playback/playback_rules.h"
#include "app/settings/language.h"
#include "app/settings/settings_table.h"
#include "base/number_format.h"
#include "base/text.h"
#include "base/utf.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The whole text must be the number; a leading "+" is accepted as people write it, which from_chars
// alone would refuse.
template <typename Number>
std::optional<Number> parse_whole(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "nan" and "inf" read as numbers, but neither the player core nor the file can use them, so they
// count as values that do not parse; so does a value too large for a double.
std::optional<double> parse_volume(std::string_view text) {
    const auto value = parse_whole<double>(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return *value;
}

// Pieces that are not integers are skipped, so "10,x,20,800,600" still gives four numbers; the
// rectangle is only taken when exactly four remain and it is not empty.
void apply_window(Settings& settings, std::string_view value) {
    int32_t numbers[4]{};
    size_t count = 0;
    for (;;) {
        const size_t comma = value.find(',');
        if (const auto n = parse_whole<int32_t>(trim_white(value.substr(0, comma)))) {
            if (count < 4) numbers[count] = *n;
            ++count;
        }
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
    }
    if (count != 4) return;
    const WindowRect rect{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (!(rect.left < rect.right) || !(rect.top < rect.bottom)) return;
    settings.window_rect = rect;
    settings.window_valid = true;
}

void apply_value(Settings& settings, const SettingRow& row, std::string_view value) {
    switch (row.kind) {
        case SettingKind::flag:
            settings.*row.flag = value == "1";
            return;
        case SettingKind::text:
            settings.*row.text = std::string(value);
            return;
        case SettingKind::volume:
            if (const auto volume = parse_volume(value)) settings.volume = clamp_volume(*volume);
            return;
        case SettingKind::window:
            apply_window(settings, value);
            return;
    }
}

void apply_line(Settings& settings, std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = trim_white(line.substr(0, equals));
    for (const SettingRow& row : kSettingRows)
        if (key == row.key) return apply_value(settings, row, trim_white(line.substr(equals + 1)));
}

// The value's text, or nothing for a line the file leaves out (a window that is not valid).
std::optional<std::string> value_text(const Settings& settings, const SettingRow& row) {
    switch (row.kind) {
        case SettingKind::flag:
            return settings.*row.flag ? "1" : "0";
        case SettingKind::text:
            return settings.*row.text;
        case SettingKind::volume: {
            // The App state's volume comes from the player core; a value it should never report (NaN)
            // is written as the default rather than as text no reader accepts.
            const double volume = std::isnan(settings.volume) ? Settings{}.volume : clamp_volume(settings.volume);
            return std::to_string(static_cast<int>(round_half_away(volume)));
        }
        case SettingKind::window: {
            if (!settings.window_valid) return std::nullopt;
            const WindowRect& r = settings.window_rect;
            return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                   std::to_string(r.bottom);
        }
    }
    return std::nullopt;
}

}  // namespace

Settings parse_settings(std::string_view text) {
    Settings settings;
    if (!is_valid_utf8(text)) return settings;
    // Notepad saves UTF-8 with a byte-order mark; without skipping it the first key would not match.
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    for (;;) {
        const size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        apply_line(settings, line);
        if (feed == std::string_view::npos) break;
        text.remove_prefix(feed + 1);
    }
    return settings;
}

std::string format_settings(const Settings& settings) {
    std::string text;
    for (const SettingRow& row : kSettingRows)
        if (const auto value = value_text(settings, row)) text.append(row.key).append("=").append(*value).append("\n");
    return text;
}

std::string settings_temporary_name(uint32_t process_id) {
    return "settings.ini." + std::to_string(process_id) + ".tmp";
}

std::optional<uint32_t> settings_temporary_owner(std::string_view file_name) {
    constexpr std::string_view prefix = "settings.ini.";
    constexpr std::string_view suffix = ".tmp";
    if (file_name.size() <= prefix.size() + suffix.size() || file_name.substr(0, prefix.size()) != prefix ||
        file_name.substr(file_name.size() - suffix.size()) != suffix)
        return std::nullopt;
    const std::string_view digits = file_name.substr(prefix.size(), file_name.size() - prefix.size() - suffix.size());
    if (digits[0] < '1' || digits[0] > '9') return std::nullopt;
    return parse_whole<uint32_t>(digits);
}
