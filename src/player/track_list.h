// Reading the audio or subtitle tracks from the player core's track list. Nothing is cached: the
// list is read again each time, so labels follow tracks added a moment before.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "player/core.h"

enum class TrackKind : uint8_t { audio, subtitle };

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

// The tracks of one kind, in the core's order.
std::vector<Track> read_tracks(const Core& core, TrackKind kind);

// Selects the track with that id; 0 turns the kind off.
void set_track(const Core& core, TrackKind kind, int64_t id);
