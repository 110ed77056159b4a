// The UI Automation provider of an owner-drawn window, built on the tree the window publishes.
//
// The provider does not ask for COM threading (under Wine 8 that deadlocks a client in another
// process), so UI Automation calls it on threads of its own. Those calls only read the last
// published tree, under a lock, and turn Invoke, Toggle and SetValue into a message posted to the
// window that acts; the App state is touched only by the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/app_state_win.h"
#include "base/com_win.h"
#include "base/uia_api_win.h"
#include "ui/access/accessible_tree.h"

// kMsgAccessibleAction (app_state_win.h) is posted to the acting window: wparam = MAKEWPARAM(node
// action, verb), lparam = the value's bits.

enum class AccessibleVerb : uint16_t { invoke = 1, toggle = 2, set_value = 3 };

struct AccessibleRequest {
    AccessibleVerb verb = AccessibleVerb::invoke;
    uint32_t action = 0;
    double value = 0;
};
AccessibleRequest decode_accessible_request(WPARAM wparam, LPARAM lparam);

// What one window's provider objects share. Made and published on the user-interface thread; read
// from any thread.
class AccessibleStore : public std::enable_shared_from_this<AccessibleStore> {
public:
    AccessibleStore(HWND host, HWND action_window, const UiaApi& api);
    AccessibleStore(const AccessibleStore&) = delete;
    AccessibleStore& operator=(const AccessibleStore&) = delete;

    // The window's new picture. On the thread that made the store only (false elsewhere, and
    // nothing changes); raises the events from the last picture to this one while clients listen.
    bool publish(AccessibleTree tree);
    // The host window is going: UI Automation lets go of the root it was given, and every provider
    // answers "element not available" from now on. Not while answering a message sent from another
    // thread (UI Automation would refuse the call). User-interface thread only.
    void disconnect();
    // The root provider as handed to UI Automation: one object for the life of the store, so that
    // disconnect names the object UI Automation holds. User-interface thread only.
    IRawElementProviderSimple* root();

    // Any thread.
    bool alive() const;
    std::optional<AccessibleNode> node(int index) const;  // -1: the root
    int child_count() const;
    int child_at(int32_t x, int32_t y) const;
    bool post(AccessibleVerb verb, uint32_t action, double value) const;
    HWND host() const { return host_; }
    const UiaApi& api() const { return api_; }

private:
    void raise(const AccessibleChange& change);

    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    AccessibleTree tree_;
    bool published_ = false;
    bool alive_ = true;
    const HWND host_;
    const HWND action_window_;
    const UiaApi api_;
    const DWORD owner_thread_;
    // One reference, from the first request until disconnect (the root holds the store in turn).
    ComRef<IRawElementProviderSimple> root_;
};

std::shared_ptr<AccessibleStore> make_accessible_store(HWND host, HWND action_window, const UiaApi& api);

// The provider of an element (-1: the root), owning the one reference it starts with.
ComRef<IRawElementProviderSimple> make_accessible_provider(const std::shared_ptr<AccessibleStore>& store, int index);

// WM_GETOBJECT, whatever its object id: UI Automation's answer with the root provider. Nothing
// without uiautomationcore.dll (the caller gives default processing).
std::optional<LRESULT> answer_get_object(const std::shared_ptr<AccessibleStore>& store, WPARAM wparam, LPARAM lparam);
