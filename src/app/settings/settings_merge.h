// Saving only what this copy changed, so that two running copies do not undo each other's
// preferences: the keys of settings.ini as bits, and the merge of this copy's values into the file.
#pragma once

#include <cstdint>

#include "app/settings/settings.h"

using SettingsKeys = uint32_t;

namespace settings_key {
constexpr SettingsKeys volume = 1u << 0;
constexpr SettingsKeys mute = 1u << 1;
constexpr SettingsKeys multi_instance = 1u << 2;
constexpr SettingsKeys wheel_invert = 1u << 3;
constexpr SettingsKeys hide_about = 1u << 4;
constexpr SettingsKeys always_on_top = 1u << 5;
constexpr SettingsKeys maximized = 1u << 6;
constexpr SettingsKeys compress = 1u << 7;
constexpr SettingsKeys mpv_options = 1u << 8;
constexpr SettingsKeys language = 1u << 9;
constexpr SettingsKeys window = 1u << 10;  // the rectangle and whether there is one
constexpr SettingsKeys all = (1u << 11) - 1;
// What the closing window owns: its placement and the player's volume and mute.
constexpr SettingsKeys at_close = volume | mute | maximized | window;
}  // namespace settings_key

// The keys whose values differ between the two.
SettingsKeys changed_keys(const Settings& before, const Settings& after);

// on_disk with the values of `keys` taken from mine.
Settings merge_settings(Settings on_disk, const Settings& mine, SettingsKeys keys);
