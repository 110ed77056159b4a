#include "app/app_state_win.h"

App* g_app = nullptr;

App::~App() = default;

void invalidate_bar(const App& app) {
    if (app.windows.bar_window) InvalidateRect(app.windows.bar_window, nullptr, FALSE);
    if (app.windows.bar_changed) app.windows.bar_changed(app);
}
