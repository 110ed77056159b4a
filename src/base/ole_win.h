// COM and OLE Automation, looked up the first time they are needed. Neither the window nor the
// player core needs them before the first frame, and importing them made every start load ole32,
// oleaut32, combase and rpcrt4 before the program's first line ran. Each call fails as the system's
// would when its library cannot be loaded.
#pragma once

#include "base/win32_win.h"

HRESULT com_initialize_apartment();  // CoInitializeEx, apartment-threaded
void com_uninitialize();
HRESULT com_create_instance(REFCLSID object, REFIID interface_id, void** out);  // in-process server

// A string for a caller that frees it with SysFreeString; null when out of memory.
BSTR allocate_bstr(const wchar_t* text);
void clear_variant(VARIANT& variant);
// A one-dimensional array of 32-bit integers; null when out of memory.
SAFEARRAY* int32_safe_array(const LONG* values, LONG count);
