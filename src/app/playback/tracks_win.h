// Audio and subtitle tracks as the user sees them: listed, labelled, selected and cycled.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/playback/track_labels.h"

struct App;

std::vector<Track> list_tracks(const App& app, TrackKind kind);
// True when a track was asked for: what the bar shows changed.
bool select_track(App& app, TrackKind kind, int64_t id);
bool cycle_track(App& app, TrackKind kind);
