#include "app/playback/event_pump_win.h"

#include "app/app_state_win.h"
#include "app/playback/event_pump.h"
#include "app/shell/shell_win.h"
#include "player/wake_up_win.h"

namespace {

// A core that reports events as fast as we fold them (a flood of property changes, a broken build)
// would keep the loop below, and with it the window, busy for ever; after this many, or this long,
// the rest waits behind the messages already queued. Some events cost milliseconds (a loaded file
// reaches the shell's surfaces), so a count alone can keep the window from answering for
// seconds.
constexpr int kEventsPerWakeUp = 256;
constexpr ULONGLONG kDrainMs = 50;

// A file that starts from a double-click in Explorer or a drop leaves the keyboard focus where it
// was; the shortcuts should work at once, so the main window takes it back when it is in front.
void take_focus_after_load(const App& app) {
    if (!app.windows.main_window) return;
    if (GetForegroundWindow() == app.windows.main_window && GetFocus() != app.windows.main_window)
        SetFocus(app.windows.main_window);
}

}  // namespace

bool pump_events(App& app) {
    // Cleared before draining: a wake-up arriving while we drain then posts a new message instead
    // of being swallowed by the flag we are about to clear.
    g_wake_up_pending.exchange(false);
    // SetFocus sends messages whose handlers may end the core, so it is looked at again after
    // every event.
    bool repaint = false;
    const ULONGLONG started = GetTickCount64();
    for (int folded = 0; app.core; ++folded) {
        if (folded == kEventsPerWakeUp || (folded > 0 && GetTickCount64() - started >= kDrainMs)) {
            // The rest waits for the next turn of the message loop, so input and painting go on.
            wake_up(app.windows.main_window);
            break;
        }
        const mpv_event* event = app.core->api.mpv_wait_event(app.core->handle, 0);
        // The record lives only until the next wait; take_core_event takes what it needs from it now.
        if (!event) break;
        const EventOutcome outcome = take_core_event(app.playback, *app.core, *event);
        if (outcome.stop) break;
        if (outcome.file_loaded) {
            take_focus_after_load(app);
            shell_file_loaded(app);
        }
        if (outcome.load_failed) shell_file_failed(app);
        repaint = repaint || outcome.repaint;
    }
    // The bar paints only once the queue is empty anyway, so the caller repaints once per drain;
    // under Wine each InvalidateRect is a trip to the server, and one per event made a burst of
    // property changes thousands of times slower to drain.
    return repaint;
}
