#include "app/app_state_win.h"

App* g_app = nullptr;

App::~App() = default;

void invalidate_bar(const App& app) {
    if (app.bar_window) InvalidateRect(app.bar_window, nullptr, FALSE);
    if (app.bar_changed) app.bar_changed(app);
}
