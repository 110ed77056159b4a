#include "base/uia_api_win.h"

namespace {

template <typename Function>
void resolve(HMODULE module, Function& function, const char* name) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

UiaApi load_uia_api() {
    UiaApi api;
    // From System32 only: a uiautomationcore.dll beside a video must never be loaded. The module
    // stays loaded for the life of the process, as providers handed out may be called at any time.
    const HMODULE module = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return api;
    resolve(module, api.return_raw_element_provider, "UiaReturnRawElementProvider");
    resolve(module, api.host_provider_from_hwnd, "UiaHostProviderFromHwnd");
    resolve(module, api.clients_are_listening, "UiaClientsAreListening");
    resolve(module, api.raise_property_changed, "UiaRaiseAutomationPropertyChangedEvent");
    resolve(module, api.raise_event, "UiaRaiseAutomationEvent");
    resolve(module, api.raise_structure_changed, "UiaRaiseStructureChangedEvent");
    resolve(module, api.disconnect_provider, "UiaDisconnectProvider");
    return api;
}
