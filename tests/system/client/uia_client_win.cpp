// A UI Automation client in a process of its own, as a screen reader is: it reads the tree a window
// serves and prints one line per element, "<depth> <control type> <automation id> <name>" separated
// by tabs, in UTF-8. Usage: uia_client <window handle in decimal>. Exit code 0 when the tree was read.
//
// It uses only what Wine 8 implements across processes (UiaNodeFromHandle, UiaGetPropertyValue,
// UiaNavigate): patterns and events are tested in-process.
#define WIN32_LEAN_AND_MEAN
#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

DECLARE_HANDLE(UiaNode);
struct UiaConditionTrue {
    int type = 0;  // ConditionType_True
};
struct UiaCacheRequestPlain {
    UiaConditionTrue* view_condition;
    int scope;  // TreeScope_Element
    PROPERTYID* properties;
    int property_count;
    PATTERNID* patterns;
    int pattern_count;
    int element_mode;  // AutomationElementMode_Full
};

struct Api {
    HRESULT(WINAPI* node_from_handle)(HWND, UiaNode*) = nullptr;
    HRESULT(WINAPI* get_property)(UiaNode, PROPERTYID, VARIANT*) = nullptr;
    HRESULT(WINAPI* navigate)(UiaNode, int, UiaConditionTrue*, UiaCacheRequestPlain*, SAFEARRAY**, BSTR*) = nullptr;
    HRESULT(WINAPI* node_from_variant)(VARIANT*, UiaNode*) = nullptr;
    BOOL(WINAPI* release)(UiaNode) = nullptr;
};

template <typename F>
bool resolve(HMODULE module, F& f, const char* name) {
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return f != nullptr;
}

std::string utf8(const wchar_t* text) {
    if (!text || !*text) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::string text_property(const Api& api, UiaNode node, PROPERTYID id) {
    VARIANT v;
    VariantInit(&v);
    std::string out = "?";
    if (SUCCEEDED(api.get_property(node, id, &v)) && v.vt == VT_BSTR) out = utf8(v.bstrVal);
    VariantClear(&v);
    return out;
}

long int_property(const Api& api, UiaNode node, PROPERTYID id) {
    VARIANT v;
    VariantInit(&v);
    long out = -1;
    if (SUCCEEDED(api.get_property(node, id, &v)) && v.vt == VT_I4) out = v.lVal;
    VariantClear(&v);
    return out;
}

UiaNode navigate(const Api& api, UiaNode from, int direction) {
    UiaConditionTrue condition;
    UiaCacheRequestPlain request{&condition, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY* data = nullptr;
    BSTR tree = nullptr;
    UiaNode to = nullptr;
    if (SUCCEEDED(api.navigate(from, direction, &condition, &request, &data, &tree)) && data) {
        LONG index[2] = {0, 0};
        VARIANT v;
        VariantInit(&v);
        if (SUCCEEDED(SafeArrayGetElement(data, index, &v))) api.node_from_variant(&v, &to);
        VariantClear(&v);
        SafeArrayDestroy(data);
    }
    SysFreeString(tree);
    return to;
}

void print(const Api& api, UiaNode node, int depth) {
    std::printf("%d\t%ld\t%s\t%s\n", depth, int_property(api, node, UIA_ControlTypePropertyId),
                text_property(api, node, UIA_AutomationIdPropertyId).c_str(),
                text_property(api, node, UIA_NamePropertyId).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(_wcstoi64(argv[1], nullptr, 10)));
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const HMODULE module = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    Api api;
    if (!module || !resolve(module, api.node_from_handle, "UiaNodeFromHandle") ||
        !resolve(module, api.get_property, "UiaGetPropertyValue") || !resolve(module, api.navigate, "UiaNavigate") ||
        !resolve(module, api.node_from_variant, "UiaHUiaNodeFromVariant") ||
        !resolve(module, api.release, "UiaNodeRelease"))
        return 3;
    UiaNode root = nullptr;
    if (FAILED(api.node_from_handle(window, &root)) || !root) return 4;
    print(api, root, 0);
    UiaNode child = navigate(api, root, NavigateDirection_FirstChild);
    for (int guard = 0; child && guard < 200; ++guard) {
        print(api, child, 1);
        const UiaNode next = navigate(api, child, NavigateDirection_NextSibling);
        api.release(child);
        child = next;
    }
    api.release(root);
    std::fflush(stdout);
    return 0;
}
