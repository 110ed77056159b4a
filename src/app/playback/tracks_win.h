// Audio and subtitle tracks as the user sees them: listed, labelled, selected and cycled.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/changes.h"
#include "app/playback/track_labels.h"

struct App;

std::vector<Track> list_tracks(const App& app, TrackKind kind);
// A track asked for changes what the bar shows.
Changes select_track(App& app, TrackKind kind, int64_t id);
Changes cycle_track(App& app, TrackKind kind);
