#include "ui/access/accessible_provider_win.h"

#include <cstring>
#include <utility>

#include "base/ole_win.h"
#include "base/wide_win.h"

static_assert(sizeof(LPARAM) >= sizeof(double), "the value travels in lparam");

namespace {

// Shared and exclusive holds of the store's lock.
class ReadLock {
public:
    explicit ReadLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockShared(&lock_); }
    ReadLock(const ReadLock&) = delete;
    ReadLock& operator=(const ReadLock&) = delete;
    ~ReadLock() { ReleaseSRWLockShared(&lock_); }

private:
    SRWLOCK& lock_;
};

class WriteLock {
public:
    explicit WriteLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK& lock_;
};

CONTROLTYPEID control_type(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::tool_bar:
            return kUiaToolBar;
        case AccessibleRole::window:
            return kUiaWindow;
        case AccessibleRole::button:
            return kUiaButton;
        case AccessibleRole::slider:
            return kUiaSlider;
        case AccessibleRole::check_box:
            return kUiaCheckBox;
        case AccessibleRole::hyperlink:
            return kUiaHyperlink;
        case AccessibleRole::text:
            return kUiaText;
    }
    return kUiaText;
}

VARIANT bstr_variant(const std::string& text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = allocate_bstr(wide(text).c_str());
    return v;
}

VARIANT bool_variant(bool value) {
    VARIANT v{};
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT int_variant(int32_t value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT double_variant(double value) {
    VARIANT v{};
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

// A change of one property as UI Automation announces it.
struct PropertyChange {
    PROPERTYID id = 0;
    VARIANT before{};
    VARIANT after{};
};

PropertyChange property_change(const AccessibleChange& change) {
    using Kind = AccessibleChange::Kind;
    const bool was = change.old_number != 0;
    const bool is = change.new_number != 0;
    switch (change.kind) {
        case Kind::name:
            return {UIA_NamePropertyId, bstr_variant(change.old_text), bstr_variant(change.new_text)};
        case Kind::enabled:
            return {UIA_IsEnabledPropertyId, bool_variant(was), bool_variant(is)};
        case Kind::toggle:
            return {UIA_ToggleToggleStatePropertyId, int_variant(was ? kToggleOn : kToggleOff),
                    int_variant(is ? kToggleOn : kToggleOff)};
        case Kind::value:
            return {UIA_RangeValueValuePropertyId, double_variant(change.old_number),
                    double_variant(change.new_number)};
        case Kind::read_only:
            return {UIA_RangeValueIsReadOnlyPropertyId, bool_variant(was), bool_variant(is)};
        case Kind::maximum:
            return {UIA_RangeValueMaximumPropertyId, double_variant(change.old_number),
                    double_variant(change.new_number)};
        case Kind::structure:
            break;  // not a property: raised as a structure change
    }
    return {};
}

// One element of one window. Every method may run on any thread; all it reads is the store.
class Element final
    : public ComObject<Element, IRawElementProviderSimple, IRawElementProviderFragment, IRawElementProviderFragmentRoot,
                       IInvokeProvider_, IRangeValueProvider_, IToggleProvider_> {
public:
    Element(std::shared_ptr<AccessibleStore> store, int index) : store_(std::move(store)), index_(index) {}

    // One identity, the IRawElementProviderSimple pointer; the patterns only where the element has them.
    static ComTable<Element> com_interfaces() {
        static const ComInterface<Element> table[] = {
            {&IID_IRawElementProviderSimple, com_pointer<Element, IRawElementProviderSimple>},
            {&IID_IRawElementProviderFragment, com_pointer<Element, IRawElementProviderFragment>},
            {&IID_IRawElementProviderFragmentRoot, com_pointer<Element, IRawElementProviderFragmentRoot>,
             [](const Element& e) { return e.index_ < 0; }},
            {&kIidInvokeProvider, com_pointer<Element, IInvokeProvider_>,
             [](const Element& e) { return e.has(&AccessibleNode::invokable); }},
            {&kIidToggleProvider, com_pointer<Element, IToggleProvider_>,
             [](const Element& e) { return e.has(&AccessibleNode::toggled); }},
            {&kIidRangeValueProvider, com_pointer<Element, IRangeValueProvider_>,
             [](const Element& e) { return e.has(&AccessibleNode::range); }},
        };
        return com_table(table);
    }

    // IRawElementProviderSimple
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(enum ProviderOptions* options) override {
        if (!options) return E_POINTER;
        *options = ProviderOptions_ServerSideProvider;  // and no COM threading: see the header
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n) return kUiaElementNotAvailable;
        if ((pattern == UIA_InvokePatternId && n->invokable) || (pattern == UIA_TogglePatternId && n->toggled) ||
            (pattern == UIA_RangeValuePatternId && n->range)) {
            *out = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = VARIANT{};
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n) return kUiaElementNotAvailable;
        switch (property) {
            case UIA_NamePropertyId:
                *out = bstr_variant(n->name);
                break;
            case UIA_ControlTypePropertyId:
                *out = int_variant(control_type(n->role));
                break;
            case UIA_AutomationIdPropertyId:
                *out = bstr_variant(n->automation_id);
                break;
            case UIA_IsEnabledPropertyId:
                // The host windows are disabled so that the main window gets their mouse input;
                // that says nothing about what the elements can do.
                *out = bool_variant(n->enabled);
                break;
            case UIA_IsOffscreenPropertyId:
                *out = bool_variant(n->offscreen);
                break;
            case UIA_IsKeyboardFocusablePropertyId:
            case UIA_HasKeyboardFocusPropertyId:
                *out = bool_variant(false);  // the keys go to the main window, not to elements
                break;
            case UIA_IsControlElementPropertyId:
            case UIA_IsContentElementPropertyId:
                *out = bool_variant(true);
                break;
            default:
                break;  // empty: UI Automation asks the window's own provider
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (index_ >= 0 || !store_->alive()) return S_OK;
        const UiaApi& api = store_->api();
        return api.UiaHostProviderFromHwnd ? api.UiaHostProviderFromHwnd(store_->host(), out) : S_OK;
    }

    // IRawElementProviderFragment
    HRESULT STDMETHODCALLTYPE Navigate(enum NavigateDirection direction, IRawElementProviderFragment** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!store_->alive()) return kUiaElementNotAvailable;
        const int count = store_->child_count();
        int to = -2;
        if (index_ < 0) {
            if (direction == NavigateDirection_FirstChild && count > 0) to = 0;
            if (direction == NavigateDirection_LastChild && count > 0) to = count - 1;
        } else if (direction == NavigateDirection_Parent) {
            to = -1;
        } else if (direction == NavigateDirection_NextSibling && index_ + 1 < count) {
            to = index_ + 1;
        } else if (direction == NavigateDirection_PreviousSibling && index_ > 0) {
            to = index_ - 1;
        }
        if (to >= -1) *out = static_cast<IRawElementProviderFragment*>(new Element(store_, to));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (index_ < 0) return S_OK;  // the root's id comes from its window
        const LONG values[2] = {kUiaAppendRuntimeId, index_ + 1};
        *out = int32_safe_array(values, 2);
        if (!*out) return E_OUTOFMEMORY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(struct UiaRect* out) override {
        if (!out) return E_POINTER;
        *out = UiaRect{};
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n) return kUiaElementNotAvailable;
        // Read when asked: the window may have moved since the tree was published.
        POINT origin{0, 0};
        ClientToScreen(store_->host(), &origin);
        PixelRect r = n->rect;
        if (index_ < 0) {
            RECT client{};
            GetClientRect(store_->host(), &client);
            r = PixelRect{0, 0, client.right, client.bottom};
        }
        if (r.right <= r.left || r.bottom <= r.top) return S_OK;
        *out = UiaRect{static_cast<double>(origin.x + r.left), static_cast<double>(origin.y + r.top),
                       static_cast<double>(r.right - r.left), static_cast<double>(r.bottom - r.top)};
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetFocus() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** out) override {
        if (!out) return E_POINTER;
        *out = static_cast<IRawElementProviderFragmentRoot*>(new Element(store_, -1));
        return S_OK;
    }

    // IRawElementProviderFragmentRoot
    HRESULT STDMETHODCALLTYPE ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!store_->alive()) return kUiaElementNotAvailable;
        POINT point{static_cast<LONG>(x), static_cast<LONG>(y)};
        ScreenToClient(store_->host(), &point);
        const int child = store_->child_at(point.x, point.y);
        if (child >= 0) *out = static_cast<IRawElementProviderFragment*>(new Element(store_, child));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return S_OK;
    }

    // IInvokeProvider: must not wait for the action, so it is posted.
    HRESULT STDMETHODCALLTYPE Invoke() override {
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n) return kUiaElementNotAvailable;
        if (!n->enabled) return kUiaElementNotEnabled;
        if (!store_->post(AccessibleVerb::invoke, n->action, 0)) return kUiaElementNotAvailable;
        if (uia_listening(store_->api()) && store_->api().UiaRaiseAutomationEvent)
            store_->api().UiaRaiseAutomationEvent(static_cast<IRawElementProviderSimple*>(this), kUiaInvokedEvent);
        return S_OK;
    }

    // IToggleProvider
    HRESULT STDMETHODCALLTYPE Toggle() override {
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n) return kUiaElementNotAvailable;
        if (!n->enabled) return kUiaElementNotEnabled;
        return store_->post(AccessibleVerb::toggle, n->action, 0) ? S_OK : kUiaElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE get_ToggleState(int* state) override {
        if (!state) return E_POINTER;
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n || !n->toggled) return kUiaElementNotAvailable;
        *state = *n->toggled ? kToggleOn : kToggleOff;
        return S_OK;
    }

    // IRangeValueProvider
    HRESULT STDMETHODCALLTYPE SetValue(double value) override {
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n || !n->range) return kUiaElementNotAvailable;
        if (!n->enabled || n->range->read_only) return kUiaElementNotEnabled;
        if (!(value >= n->range->minimum && value <= n->range->maximum)) return E_INVALIDARG;  // NaN too
        return store_->post(AccessibleVerb::set_value, n->action, value) ? S_OK : kUiaElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE get_Value(double* out) override {
        return range_field(out, [](const AccessibleRange& r) { return r.value; });
    }
    HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* out) override {
        if (!out) return E_POINTER;
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n || !n->range) return kUiaElementNotAvailable;
        *out = n->range->read_only || !n->enabled;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Maximum(double* out) override {
        return range_field(out, [](const AccessibleRange& r) { return r.maximum; });
    }
    HRESULT STDMETHODCALLTYPE get_Minimum(double* out) override {
        return range_field(out, [](const AccessibleRange& r) { return r.minimum; });
    }
    HRESULT STDMETHODCALLTYPE get_LargeChange(double* out) override {
        return range_field(out, [](const AccessibleRange& r) { return r.large_change; });
    }
    HRESULT STDMETHODCALLTYPE get_SmallChange(double* out) override {
        return range_field(out, [](const AccessibleRange& r) { return r.small_change; });
    }

private:
    // Whether the element's node, as last published, has the field set.
    template <typename Field>
    bool has(Field AccessibleNode::*field) const {
        const std::optional<AccessibleNode> n = store_->node(index_);
        return n && static_cast<bool>((*n).*field);
    }

    template <typename Field>
    HRESULT range_field(double* out, Field field) const {
        if (!out) return E_POINTER;
        const std::optional<AccessibleNode> n = store_->node(index_);
        if (!n || !n->range) return kUiaElementNotAvailable;
        *out = field(*n->range);
        return S_OK;
    }

    const std::shared_ptr<AccessibleStore> store_;
    const int index_;
};

}  // namespace

AccessibleRequest decode_accessible_request(WPARAM wparam, LPARAM lparam) {
    AccessibleRequest request;
    request.action = LOWORD(wparam);
    request.verb = static_cast<AccessibleVerb>(HIWORD(wparam));
    std::memcpy(&request.value, &lparam, sizeof request.value);
    return request;
}

AccessibleStore::AccessibleStore(HWND host, HWND action_window, const UiaApi& api)
    : host_(host), action_window_(action_window), api_(api), owner_thread_(GetCurrentThreadId()) {}

bool AccessibleStore::publish(AccessibleTree tree) {
    if (GetCurrentThreadId() != owner_thread_) return false;
    std::vector<AccessibleChange> changes;
    {
        WriteLock hold(lock_);
        if (!alive_) return true;
        if (published_) changes = accessible_changes(tree_, tree);
        tree_ = std::move(tree);
        published_ = true;
    }
    // Outside the lock: a reader in this process may call back into the providers.
    if (!changes.empty() && uia_listening(api_))
        for (const AccessibleChange& change : changes) raise(change);
    return true;
}

void AccessibleStore::raise(const AccessibleChange& change) {
    const ComRef<IRawElementProviderSimple> element = make_accessible_provider(shared_from_this(), change.index);
    if (change.kind == AccessibleChange::Kind::structure) {
        if (api_.UiaRaiseStructureChangedEvent)
            api_.UiaRaiseStructureChangedEvent(element.get(), kStructureChildrenInvalidated, nullptr, 0);
        return;
    }
    PropertyChange property = property_change(change);
    if (api_.UiaRaiseAutomationPropertyChangedEvent)
        api_.UiaRaiseAutomationPropertyChangedEvent(element.get(), property.id, property.before, property.after);
    clear_variant(property.before);
    clear_variant(property.after);
}

void AccessibleStore::disconnect() {
    if (!alive()) return;
    // While the store is alive: the root has no runtime id of its own, UI Automation takes its
    // window's, which the root names only until then.
    if (root_ && api_.UiaDisconnectProvider) api_.UiaDisconnectProvider(root_.get());
    {
        WriteLock hold(lock_);
        alive_ = false;
    }
    { const ComRef<IRawElementProviderSimple> released = std::move(root_); }
    // Tells UI Automation the window no longer serves a tree.
    if (api_.UiaReturnRawElementProvider) api_.UiaReturnRawElementProvider(host_, 0, 0, nullptr);
}

IRawElementProviderSimple* AccessibleStore::root() {
    if (!root_) root_ = make_accessible_provider(shared_from_this(), -1);
    return root_.get();
}

bool AccessibleStore::alive() const {
    ReadLock hold(lock_);
    return alive_;
}

std::optional<AccessibleNode> AccessibleStore::node(int index) const {
    ReadLock hold(lock_);
    if (!alive_ || !published_) return std::nullopt;
    if (index < 0) return tree_.root;
    if (static_cast<size_t>(index) >= tree_.children.size()) return std::nullopt;
    return tree_.children[static_cast<size_t>(index)];
}

int AccessibleStore::child_count() const {
    ReadLock hold(lock_);
    return alive_ ? static_cast<int>(tree_.children.size()) : 0;
}

int AccessibleStore::child_at(int32_t x, int32_t y) const {
    ReadLock hold(lock_);
    return alive_ ? accessible_child_at(tree_, x, y) : -1;
}

bool AccessibleStore::post(AccessibleVerb verb, uint32_t action, double value) const {
    if (!alive()) return false;
    LPARAM bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return PostMessageW(action_window_, kMsgAccessibleAction,
                        MAKEWPARAM(static_cast<WORD>(action), static_cast<WORD>(verb)), bits) != FALSE;
}

std::shared_ptr<AccessibleStore> make_accessible_store(HWND host, HWND action_window, const UiaApi& api) {
    return std::make_shared<AccessibleStore>(host, action_window, api);
}

ComRef<IRawElementProviderSimple> make_accessible_provider(const std::shared_ptr<AccessibleStore>& store, int index) {
    return ComRef<IRawElementProviderSimple>(new Element(store, index));
}

std::optional<LRESULT> answer_get_object(const std::shared_ptr<AccessibleStore>& store, WPARAM wparam, LPARAM lparam) {
    if (!store || !store->alive() || !store->api().UiaReturnRawElementProvider) return std::nullopt;
    // Passed on as they came: for other object ids UI Automation serves the bridge that older
    // (MSAA) screen readers read. It takes the references it keeps.
    return store->api().UiaReturnRawElementProvider(store->host(), wparam, lparam, store->root());
}
