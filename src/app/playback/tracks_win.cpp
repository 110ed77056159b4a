// Track selection and cycling for the A and S keys, the context menu and the bar's track menus.
#include "app/playback/tracks_win.h"

#include <string>

#include "app/app_state_win.h"
#include "app/playback/playback_messages.h"
#include "player/commands.h"
#include "player/track_list.h"

std::vector<Track> list_tracks(const App& app, TrackKind kind) {
    if (!app.core) return {};
    return read_tracks(*app.core, kind);
}

Changes select_track(App& app, TrackKind kind, int64_t id) {
    if (!app.core) return kChangedNothing;
    set_track(*app.core, kind, id);
    // Built from the list whatever the core made of the request: the "sid" report corrects the
    // bar if it refused.
    const std::string label = selection_label(read_tracks(*app.core, kind), id);
    show_text(*app.core, track_selected_message(kind, label), kTrackMs);
    if (kind == TrackKind::subtitle) app.playback.subtitles_on = id != 0;
    return kChangedBar;
}

Changes cycle_track(App& app, TrackKind kind) {
    if (!app.core || !app.playback.file_loaded) return kChangedNothing;
    const auto next = next_track_id(read_tracks(*app.core, kind), kind);
    if (!next) {
        show_text(*app.core, single_track_message(kind), kTrackMs);
        return kChangedNothing;
    }
    return select_track(app, kind, *next);
}
