// The short label the menus and messages show for a track of the playing file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "player/track_list.h"

// The name of a language code in the active language; an unknown code comes back lower-cased and
// "und" gives the empty text.
std::string language_name(std::string_view code);

// "English — Commentary (aac, stereo) [default]", in the active language.
std::string track_label(const Track& track);

// The label of the track with that id, or "off" in the active language; id 0 is always "off".
std::string selection_label(const std::vector<Track>& tracks, int64_t id);

// The id that cycling a kind selects next: the track after the selected one, the first when none
// is selected; subtitles also pass through 0 (off). Absent when there is nothing to cycle through.
std::optional<int64_t> next_track_id(const std::vector<Track>& tracks, TrackKind kind);
