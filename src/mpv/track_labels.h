// A track of the playing file and the short label the menus and messages show for it.
#pragma once

#include <cstdint>
#include <string>

struct Track {
    int64_t id = 0;
    std::string title;
    std::string lang;
    std::string codec;
    int64_t channels = 0;
    bool selected = false;
    bool external = false;
    bool is_default = false;  // "default" in the core's track list
};

std::string language_name(std::string_view code);
std::string track_label(const Track& track);
