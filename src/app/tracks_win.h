// Audio and subtitle tracks as the user sees them: listed, labelled, selected and cycled.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/track_labels.h"

struct App;

// kind is "audio" or "sub".
std::vector<Track> list_tracks(const App& app, std::string_view kind);
void select_track(App& app, std::string_view kind, int64_t id);
void cycle_track(App& app, std::string_view kind);
