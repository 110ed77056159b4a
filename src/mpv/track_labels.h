// A track of the playing file and the short label the menus and messages show for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The name of a language code in the active language; an unknown code comes back lower-cased and
// "und" gives the empty text.
std::string language_name(std::string_view code);

// "English — Commentary (aac, stereo) [default]", in the active language.
std::string track_label(const Track& track);

// The label of the track with that id, or "off" in the active language; id 0 is always "off".
std::string selection_label(const std::vector<Track>& tracks, int64_t id);

// The id that cycling a kind selects next: the track after the selected one, the first when none
// is selected; subtitles also pass through 0 (off). Absent when there is nothing to cycle through.
std::optional<int64_t> next_track_id(const std::vector<Track>& tracks, std::string_view kind);
