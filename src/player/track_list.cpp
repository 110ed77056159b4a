#include "player/track_list.h"

#include <string>

#include "player/commands.h"

namespace {

bool is_yes(const std::optional<std::string>& text) { return text && *text == "yes"; }

// The core's name of a kind, compared byte for byte with each track's type.
std::string_view type_name(TrackKind kind) { return kind == TrackKind::audio ? "audio" : "sub"; }

}  // namespace

std::vector<Track> read_tracks(const Core& core, TrackKind kind) {
    std::vector<Track> tracks;
    const int64_t count = read_int_property(core, "track-list/count");
    for (int64_t i = 0; i < count; ++i) {
        const std::string prefix = "track-list/" + std::to_string(i) + "/";
        const auto type = read_string_property(core, prefix + "type");
        // Every entry of the core's list has a type, and the list has no holes: an entry whose
        // type cannot be read means the list ended (or changed) under us. Stopping there keeps a
        // count that is absurdly large, or that went stale, from holding the window for minutes.
        if (!type) break;
        if (*type != type_name(kind)) continue;
        Track track;
        track.id = read_int_property(core, prefix + "id");
        track.title = read_string_property(core, prefix + "title").value_or("");
        track.lang = read_string_property(core, prefix + "lang").value_or("");
        track.codec = read_string_property(core, prefix + "codec").value_or("");
        track.channels = read_int_property(core, prefix + "demux-channel-count");
        track.selected = is_yes(read_string_property(core, prefix + "selected"));
        track.external = is_yes(read_string_property(core, prefix + "external"));
        track.is_default = is_yes(read_string_property(core, prefix + "default"));
        tracks.push_back(std::move(track));
    }
    return tracks;
}

void set_track(const Core& core, TrackKind kind, int64_t id) {
    core_command(core,
                 {"set", kind == TrackKind::audio ? "aid" : "sid", id == 0 ? std::string("no") : std::to_string(id)});
}
