#include "app/event_pump_win.h"

#include "app/app_state_win.h"
#include "app/event_pump.h"
#include "player/wake_up_win.h"

namespace {

// A file that starts from a double-click in Explorer or a drop leaves the keyboard focus where it
// was; the shortcuts should work at once, so the main window takes it back when it is in front.
void take_focus_after_load(const App& app) {
    if (!app.windows.main_window) return;
    if (GetForegroundWindow() == app.windows.main_window && GetFocus() != app.windows.main_window)
        SetFocus(app.windows.main_window);
}

}  // namespace

void pump_events(App& app) {
    // Cleared before draining: a wake-up arriving while we drain then posts a new message instead
    // of being swallowed by the flag we are about to clear.
    g_wake_up_pending.exchange(false);
    // SetFocus sends messages whose handlers may end the core, so it is looked at again after
    // every event.
    while (app.core) {
        const mpv_event* event = app.core->api.mpv_wait_event(app.core->handle, 0);
        // The record lives only until the next wait; take_core_event takes what it needs from it now.
        if (!event) return;
        const EventOutcome outcome = take_core_event(app.playback, *app.core, *event);
        if (outcome.stop) return;
        if (outcome.file_loaded) take_focus_after_load(app);
        if (outcome.repaint) invalidate_bar(app);
    }
}
