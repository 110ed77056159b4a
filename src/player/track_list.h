// Reading the audio or subtitle tracks from the player core's track list. Nothing is cached: the
// list is read again each time, so labels follow tracks added a moment before.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "player/core.h"

// A track of the playing file.
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

// kind is "audio" or "sub", compared byte for byte with each track's type. Keeps the core's order.
std::vector<Track> read_tracks(const Core& core, std::string_view kind);
