#include "ui/bar/bar_access_win.h"

#include "app/app_state_win.h"
#include "ui/bar/bar_access.h"
#include "ui/bar/bar_model.h"

AccessibleTree bar_tree(const App& app) {
    RECT client{};
    if (app.windows.bar_window) GetClientRect(app.windows.bar_window, &client);
    BarView view;
    view.always_on_top = app.settings.always_on_top;
    view.fullscreen = app.mode.fullscreen;
    view.visible = !app.mode.fullscreen || app.mode.bar_shown;
    view.seek_dragging = app.bar.drag == Drag::seek;
    view.seek_fraction = app.bar.seek_fraction;
    view.core_present = app.core.has_value();
    return bar_accessible_tree(compute_bar_layout(app.windows.dpi, client.right, client.bottom), app.playback, view);
}

std::optional<LRESULT> bar_on_get_object(App& app, WPARAM wparam, LPARAM lparam) {
    if (!app.windows.bar_window || !app.windows.main_window) return std::nullopt;
    return serve_accessible(app, &Accessibility::bar, app.windows.bar_window, app.windows.main_window, wparam, lparam,
                            bar_tree(app));
}

void refresh_bar_access(const App& app) {
    if (app.windows.accessibility && app.windows.accessibility->bar)
        refresh_accessible(app, &Accessibility::bar, app.windows.bar_window, bar_tree(app));
}

// What a click or a drag's last step would do, decided again from the App state: the tree the
// reader acted on may be a moment old.
Command bar_request_command(const App& app, const AccessibleRequest& request) {
    switch (request.verb) {
        case AccessibleVerb::invoke:
        case AccessibleVerb::toggle:
            return request.action < kBarButtonCount ? bar_button_command(static_cast<uint8_t>(request.action))
                                                    : Command{};
        case AccessibleVerb::set_value:
            break;
        default:
            return {};
    }
    const double value = request.value;
    if (!(value >= 0)) return {};  // also NaN
    if (request.action == kBarActionVolume) return {CommandId::set_volume, value};
    if (request.action != kBarActionSeek) return {};
    const double duration = app.playback.duration;
    if (!app.core || !app.playback.file_loaded || !(duration > 0)) return {};
    return {CommandId::seek_to, value < duration ? value : duration};
}
