#include "base/ole_win.h"

#include "base/dll_functions_win.h"

namespace {

#define TARNWICK_OLE32(X) X(CoInitializeEx) X(CoUninitialize) X(CoCreateInstance)
#define TARNWICK_OLEAUT32(X) X(SysAllocString) X(VariantClear) X(SafeArrayCreateVector) X(SafeArrayPutElement)

TARNWICK_FUNCTION_TABLE(Ole32, ole32, TARNWICK_OLE32, load_system_library(L"ole32.dll"))
TARNWICK_FUNCTION_TABLE(OleAut32, oleaut32, TARNWICK_OLEAUT32, load_system_library(L"oleaut32.dll"))

}  // namespace

HRESULT com_initialize_apartment() {
    const auto initialize = ole32().CoInitializeEx;
    return initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
}

void com_uninitialize() {
    if (const auto uninitialize = ole32().CoUninitialize) uninitialize();
}

HRESULT com_create_instance(REFCLSID object, REFIID interface_id, void** out) {
    *out = nullptr;
    const auto create = ole32().CoCreateInstance;
    return create ? create(object, nullptr, CLSCTX_INPROC_SERVER, interface_id, out) : REGDB_E_CLASSNOTREG;
}

BSTR allocate_bstr(const wchar_t* text) {
    const auto allocate = oleaut32().SysAllocString;
    return allocate ? allocate(text) : nullptr;
}

void clear_variant(VARIANT& variant) {
    if (const auto clear = oleaut32().VariantClear) clear(&variant);
}

SAFEARRAY* int32_safe_array(const LONG* values, LONG count) {
    const OleAut32& api = oleaut32();
    if (!api.SafeArrayCreateVector || !api.SafeArrayPutElement) return nullptr;
    SAFEARRAY* array = api.SafeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(count));
    if (!array) return nullptr;
    for (LONG i = 0; i < count; ++i) api.SafeArrayPutElement(array, &i, const_cast<LONG*>(&values[i]));
    return array;
}
