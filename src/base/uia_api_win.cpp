#include "base/uia_api_win.h"

#include "base/dll_functions_win.h"

const UiaApi& load_uia_api() {
    // The module stays loaded for the life of the process, as providers handed out may be called
    // at any time.
    static const UiaApi api = [] {
        UiaApi found;
        const HMODULE module = load_system_library(L"uiautomationcore.dll");
#define TARNWICK_RESOLVE_UIA(member, exported, result, parameters) resolve_function(module, #exported, found.member);
        TARNWICK_UIA_FUNCTIONS(TARNWICK_RESOLVE_UIA)
#undef TARNWICK_RESOLVE_UIA
        return found;
    }();
    return api;
}
