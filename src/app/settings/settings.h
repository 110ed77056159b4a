// The user's preferences as kept in settings.ini: the text form, parsed and written here without
// touching the file system (settings_win.cpp reads and writes the file).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const WindowRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

struct Settings {
    double volume = 80;
    bool mute = false;
    bool multi_instance = false;
    bool wheel_invert = true;
    bool hide_about = false;
    bool always_on_top = false;
    bool maximized = false;
    std::string compress;
    std::string mpv_options;
    std::string language;
    bool window_valid = false;
    WindowRect window_rect;
};

// Text that is not valid UTF-8 gives the defaults; one leading UTF-8 byte-order mark is skipped.
Settings parse_settings(std::string_view text);
// Ten lines ended by LF, plus "window=" when the rectangle is valid; the volume as a whole number.
std::string format_settings(const Settings& settings);

// "settings.ini.<pid>.tmp": the file a save writes before renaming it over settings.ini.
std::string settings_temporary_name(uint32_t process_id);
// The process id in such a name (decimal, no sign or leading zero); absent for any other name.
std::optional<uint32_t> settings_temporary_owner(std::string_view file_name);
