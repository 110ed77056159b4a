// Saving the App's settings while the window runs without ever making it wait: a save that another
// program's hold on settings.ini refuses is made again from a timer until it lands.
#pragma once

#include "app/app_state_win.h"
#include "app/settings/settings_merge.h"
#include "base/win32_win.h"

// After a preference changed: one quick try, then the timer's.
void save_settings_soon(App& app);
// At close and at the end of the session, when the process may end right after: waits for the file
// a bounded time, and ends the tries of the timer.
void save_settings_before_exit(App& app, SettingsKeys forced);
void on_settings_retry_timer(App& app);
