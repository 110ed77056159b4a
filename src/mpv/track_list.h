// Reading the audio or subtitle tracks from the player core's track list. Nothing is cached: the
// list is read again each time, so labels follow tracks added a moment before.
#pragma once

#include <string_view>
#include <vector>

#include "core.h"
#include "track_labels.h"

// kind is "audio" or "sub", compared byte for byte with each track's type. Keeps the core's order.
std::vector<Track> read_tracks(const Core& core, std::string_view kind);
