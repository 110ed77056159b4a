#include "ui/access/accessibility_win.h"

#include <utility>

#include "app/app_state_win.h"
#include "ui/bar/bar_access.h"
#include "ui/bar/bar_model.h"

void AccessibilityDelete::operator()(Accessibility* accessibility) const { delete accessibility; }

Accessibility& accessibility(App& app) {
    if (!app.windows.accessibility) {
        app.windows.accessibility.reset(new Accessibility);
        app.windows.accessibility->api = load_uia_api();
    }
    return *app.windows.accessibility;
}

namespace {

// UiaDisconnectProvider calls out of the process, which a thread answering a message sent from
// another thread cannot do (RPC_E_CANTCALLOUT_ININPUTSYNCCALL): a screen reader's WM_GETOBJECT or
// its WM_CLOSE. The store then waits for the main window's next posted message.
void retire(App& app, std::shared_ptr<AccessibleStore> store) {
    if (InSendMessage()) {
        Accessibility& access = accessibility(app);
        if (access.retiring.empty() && app.windows.main_window)
            PostMessageW(app.windows.main_window, kMsgRetireAccessible, 0, 0);
        access.retiring.push_back(std::move(store));
        return;
    }
    store->disconnect();
}

}  // namespace

std::optional<LRESULT> serve_accessible(App& app, AccessibleSlot slot, HWND host, HWND action_window, WPARAM wparam,
                                        LPARAM lparam, AccessibleTree tree) {
    Accessibility& access = accessibility(app);
    if (!access.api.return_raw_element_provider) return std::nullopt;
    std::shared_ptr<AccessibleStore>& store = access.*slot;
    if (store && store->host() != host) retire(app, std::move(store));  // a window of the same kind that is gone
    if (!store) store = make_accessible_store(host, action_window, access.api);
    store->publish(std::move(tree));
    return answer_get_object(store, wparam, lparam);
}

void refresh_accessible(const App& app, AccessibleSlot slot, HWND host, AccessibleTree tree) {
    if (!app.windows.accessibility) return;
    const std::shared_ptr<AccessibleStore>& store = (*app.windows.accessibility).*slot;
    if (store && store->host() == host) store->publish(std::move(tree));
}

void retire_accessible(App& app, AccessibleSlot slot, HWND host) {
    if (!app.windows.accessibility) return;
    std::shared_ptr<AccessibleStore>& store = (*app.windows.accessibility).*slot;
    if (!store || store->host() != host) return;
    retire(app, std::move(store));
    store.reset();
}

void on_retire_accessible(App& app) {
    if (!app.windows.accessibility || InSendMessage()) return;
    const std::vector<std::shared_ptr<AccessibleStore>> waiting = std::move(app.windows.accessibility->retiring);
    app.windows.accessibility->retiring.clear();
    for (const auto& store : waiting) store->disconnect();
}

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
            return request.action <= kButtonHelp ? bar_button_command(static_cast<uint8_t>(request.action)) : Command{};
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
