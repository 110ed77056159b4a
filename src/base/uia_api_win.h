// The parts of UI Automation the program uses. mingw-w64's headers declare the provider interfaces
// but not the pattern interfaces, the control-type and event ids or an import library, and its
// uiautomationcoreapi.h does not compile as C++; so what is missing is declared here, under names of
// our own (they cannot clash with a fuller SDK), and the functions are looked up at run time so the
// program starts where uiautomationcore.dll is absent.
#pragma once

#include "base/dll_functions_win.h"
#include "base/win32_win.h"

// clang-format off
#include <ole2.h>
#include <uiautomationcore.h>
#include <uiautomationclient.h>
// clang-format on

constexpr LONG kUiaRootObjectId = -25;
constexpr int kUiaAppendRuntimeId = 3;
constexpr HRESULT kUiaElementNotEnabled = static_cast<HRESULT>(0x80040200);
constexpr HRESULT kUiaElementNotAvailable = static_cast<HRESULT>(0x80040201);

constexpr CONTROLTYPEID kUiaButton = 50000;
constexpr CONTROLTYPEID kUiaCheckBox = 50002;
constexpr CONTROLTYPEID kUiaHyperlink = 50005;
constexpr CONTROLTYPEID kUiaSlider = 50015;
constexpr CONTROLTYPEID kUiaText = 50020;
constexpr CONTROLTYPEID kUiaToolBar = 50021;
constexpr CONTROLTYPEID kUiaWindow = 50032;

constexpr EVENTID kUiaInvokedEvent = 20009;
constexpr int kStructureChildrenInvalidated = 2;  // StructureChangeType_ChildrenInvalidated
enum UiaToggleState_ { kToggleOff = 0, kToggleOn = 1 };

// {54fcb24b-e18e-47a2-b4d3-eccbe77599a2}
constexpr GUID kIidInvokeProvider = {0x54fcb24b, 0xe18e, 0x47a2, {0xb4, 0xd3, 0xec, 0xcb, 0xe7, 0x75, 0x99, 0xa2}};
struct IInvokeProvider_ : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};

// {36dc7aef-33e6-4691-afe1-2be7274b3d33}
constexpr GUID kIidRangeValueProvider = {0x36dc7aef, 0x33e6, 0x4691, {0xaf, 0xe1, 0x2b, 0xe7, 0x27, 0x4b, 0x3d, 0x33}};
struct IRangeValueProvider_ : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(double value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(double* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* read_only) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Maximum(double* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Minimum(double* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LargeChange(double* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SmallChange(double* value) = 0;
};

// {56d00bd0-c4f4-433c-a836-1a52a57e0892}
constexpr GUID kIidToggleProvider = {0x56d00bd0, 0xc4f4, 0x433c, {0xa8, 0x36, 0x1a, 0x52, 0xa5, 0x7e, 0x08, 0x92}};
struct IToggleProvider_ : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Toggle() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ToggleState(int* state) = 0;
};

// uiautomationcore.dll's provider-side functions, looked up once; all null when it cannot be loaded.
// Its own declarations are in the header that does not compile as C++, so the types are here. The
// module stays loaded for the life of the process, as providers handed out may be called at any time.
#define TARNWICK_UIAUTOMATIONCORE(X)                                                                               \
    X(UiaReturnRawElementProvider, LRESULT, (HWND, WPARAM, LPARAM, IRawElementProviderSimple*))                    \
    X(UiaHostProviderFromHwnd, HRESULT, (HWND, IRawElementProviderSimple**))                                       \
    X(UiaClientsAreListening, BOOL, ())                                                                            \
    X(UiaRaiseAutomationPropertyChangedEvent, HRESULT, (IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)) \
    X(UiaRaiseAutomationEvent, HRESULT, (IRawElementProviderSimple*, EVENTID))                                     \
    X(UiaRaiseStructureChangedEvent, HRESULT, (IRawElementProviderSimple*, int, int*, int))                        \
    X(UiaDisconnectProvider, HRESULT, (IRawElementProviderSimple*))

TARNWICK_TYPED_FUNCTION_TABLE(UiaApi, uia_api, TARNWICK_UIAUTOMATIONCORE, load_system_library(L"uiautomationcore.dll"))

// Raising events also needs a client that listens.
inline bool uia_listening(const UiaApi& api) { return api.UiaClientsAreListening && api.UiaClientsAreListening(); }
