#include "app_state_win.h"

#include "about_window_win.h"
#include "accessibility_win.h"

App* g_app = nullptr;

App::App() = default;
App::~App() = default;

void invalidate_bar(const App& app) {
    if (app.bar_window) InvalidateRect(app.bar_window, nullptr, FALSE);
    // Also while the bar is hidden and will not paint: a screen reader still reads it.
    refresh_bar_access(app);
}
