// The keys of settings.ini, one row each, in the order the file is written. Parsing, writing, the
// merge of two copies' saves and the settings tests all go through this table, so a setting is one
// row here and its field in Settings, whose initializer is its default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "app/settings/settings.h"
#include "app/settings/settings_merge.h"

// flag: "1" on, anything else off. text: the trimmed value. volume: a number, clamped to 0 to 100,
// written whole. window: four integers, kept only when they make a rectangle, written only then.
enum class SettingKind : uint8_t { flag, text, volume, window };

struct SettingRow {
    std::string_view key;
    SettingKind kind;
    SettingsKeys bit;
    bool Settings::*flag = nullptr;         // a flag's field
    std::string Settings::*text = nullptr;  // a text's field
};

inline constexpr SettingRow kSettingRows[] = {
    {"volume", SettingKind::volume, settings_key::volume},
    {"mute", SettingKind::flag, settings_key::mute, &Settings::mute},
    {"multi_instance", SettingKind::flag, settings_key::multi_instance, &Settings::multi_instance},
    {"wheel_invert", SettingKind::flag, settings_key::wheel_invert, &Settings::wheel_invert},
    {"hide_about", SettingKind::flag, settings_key::hide_about, &Settings::hide_about},
    {"always_on_top", SettingKind::flag, settings_key::always_on_top, &Settings::always_on_top},
    {"maximized", SettingKind::flag, settings_key::maximized, &Settings::maximized},
    {"compress", SettingKind::text, settings_key::compress, nullptr, &Settings::compress},
    {"mpv_options", SettingKind::text, settings_key::mpv_options, nullptr, &Settings::mpv_options},
    {"language", SettingKind::text, settings_key::language, nullptr, &Settings::language},
    {"window", SettingKind::window, settings_key::window},  // window_valid and window_rect
};

constexpr bool setting_bits_are_the_rows() {
    SettingsKeys all = 0;
    for (size_t i = 0; i < std::size(kSettingRows); ++i) {
        if (kSettingRows[i].bit != SettingsKeys{1} << i) return false;
        all |= kSettingRows[i].bit;
    }
    return all == settings_key::all;
}
static_assert(setting_bits_are_the_rows(), "each row's bit is 1 << its index, and settings_key::all is every row");

// How many fields an aggregate has: the most initializers that convert to anything it accepts. The
// trial initializations leave fields out on purpose.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wmissing-field-initializers"
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
namespace settings_table_detail {
struct AnyField {
    template <typename T>
    constexpr operator T() const;  // only named in unevaluated code
};
template <typename T, typename... Fields>
constexpr auto fits(int) -> decltype(T{Fields{}...}, true) {
    return true;
}
template <typename T, typename...>
constexpr bool fits(long) {
    return false;
}
template <typename T, typename... Fields>
constexpr size_t field_count() {
    if constexpr (fits<T, Fields..., AnyField>(0))
        return field_count<T, Fields..., AnyField>();
    else
        return sizeof...(Fields);
}
}  // namespace settings_table_detail
#if defined(__clang__)
#pragma clang diagnostic pop
#elif defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// A field of Settings without a row would never be read or written: each row has one field, and the
// window's row two.
static_assert(settings_table_detail::field_count<Settings>() == std::size(kSettingRows) + 1,
              "every field of Settings has its row in kSettingRows");
