#include "app/settings/settings_retry_win.h"

#include <algorithm>

#include "app/app_state_win.h"
#include "app/settings/settings_win.h"

namespace {

// Tries come quickly at first, for the scanner that holds the file a moment, then further apart, so
// that a file that can never be replaced costs next to nothing.
constexpr uint32_t kFirstRetryMs = 250;
constexpr uint32_t kLongestRetryMs = 16000;

void schedule_retry(App& app) {
    if (app.windows.main_window)
        SetTimer(app.windows.main_window, kTimerSettingsRetry, app.settings_retry.delay_ms, nullptr);
}

void stop_retrying(App& app) {
    if (app.settings_retry.pending && app.windows.main_window) KillTimer(app.windows.main_window, kTimerSettingsRetry);
    app.settings_retry = SettingsRetry{};
}

}  // namespace

// Every try writes what the App holds now, so a change made while a save was owed goes out with it
// and a later try never brings back an older state. Only what others hold is tried again. Any other failure would fail
// again on every try, and on a share that no longer answers each try would hold the window for the network's time-out:
// the change stays in force for this run, and the close's save tries it once more.
void save_settings_soon(App& app) {
    SettingsRetry& retry = app.settings_retry;
    if (save_changed_settings(app.settings, app.settings_synced, 0, kSaveAtOnce) != SaveOutcome::held) {
        stop_retrying(app);
        return;
    }
    if (retry.pending) return;  // the timer already tries
    retry = SettingsRetry{true, GetTickCount64(), kFirstRetryMs};
    schedule_retry(app);
}

void on_settings_retry_timer(App& app) {
    KillTimer(app.windows.main_window, kTimerSettingsRetry);
    SettingsRetry& retry = app.settings_retry;
    if (!retry.pending) return;
    // Another copy that has held the lock this long hangs: write without it, as the close does.
    SaveWait wait = kSaveAtOnce;
    wait.write_without_lock = GetTickCount64() - retry.since_ms >= kSaveWaiting.lock_ms;
    if (save_changed_settings(app.settings, app.settings_synced, 0, wait) != SaveOutcome::held) {
        retry = SettingsRetry{};
        return;
    }
    retry.delay_ms = std::min(retry.delay_ms * 2, kLongestRetryMs);
    schedule_retry(app);
}

void save_settings_before_exit(App& app, SettingsKeys forced) {
    stop_retrying(app);
    save_changed_settings(app.settings, app.settings_synced, forced, kSaveWaiting);
}
