#include "event_pump_win.h"

#include "../main/app_state_win.h"
#include "wake_up_win.h"

void pump_events(App& app) {
    g_wake_up_pending.exchange(false);
    if (!app.core) return;
    // Folding the events into the playback state comes with the playback work; until then the
    // queue is drained so the core never waits on us.
    while (app.core) {
        const mpv_event* event = app.core->api.mpv_wait_event(app.core->handle, 0);
        if (event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_SHUTDOWN) return;
    }
}
