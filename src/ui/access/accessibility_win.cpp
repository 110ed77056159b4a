#include "ui/access/accessibility_win.h"

#include <utility>

#include "app/app_state_win.h"

void AccessibilityDelete::operator()(Accessibility* accessibility) const { delete accessibility; }

Accessibility& accessibility(App& app) {
    if (!app.windows.accessibility) {
        app.windows.accessibility.reset(new Accessibility);
        app.windows.accessibility->api = uia_api();
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
    if (!access.api.UiaReturnRawElementProvider) return std::nullopt;
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
