// A recording stand-in for two objects of the Windows shell, registered in a Wine test prefix in
// place of Wine's own: the taskbar object (CLSID_TaskbarList, ITaskbarList3; Wine's only fakes
// success) and the media overlay (Windows.Media.SystemMediaTransportControls, which Wine lacks).
//
// Every call is appended to shell.log in the folder named by TARNWICK_FAKE_DIR, one line per call,
// UTF-8, fields separated by TAB: the taskbar's records (fake_taskbar_win.h), and
//   CreateInstance  ok|failed
//   GetForWindow  ok|failed            put_<Property>  value      add_ButtonPressed  remove_ButtonPressed
//   put_Type  n    put_Title  text     Update
//   ButtonPressed  n                   (after the handler returned)
// TARNWICK_FAKE_SHELL=fail makes both objects refuse to be created.
// A test presses an overlay button by writing its number into press.txt in the same folder: a worker
// thread of the fake, as Windows' own, then calls the program's handler.
#include <windows.h>

// clang-format off
#include <shobjidl.h>
#include <activation.h>
// clang-format on

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/shell/media_overlay_abi_win.h"
#include "fake_taskbar_win.h"

using namespace overlay_abi;
using fake_shell::utf8;

namespace {
// No import library defines these two IIDs; both compilers know them through __uuidof.
const IID kIidInspectable = __uuidof(IInspectable);
const IID kIidActivationFactory = __uuidof(IActivationFactory);
}  // namespace

namespace {

std::wstring environment(const wchar_t* name) {
    wchar_t buffer[1024];
    const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
    return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

std::mutex log_lock;

void log(const std::vector<std::string>& fields) {
    const std::wstring folder = environment(L"TARNWICK_FAKE_DIR");
    if (folder.empty()) return;
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    const std::lock_guard<std::mutex> hold(log_lock);
    std::ofstream out(std::filesystem::path(folder + L"\\shell.log"), std::ios::binary | std::ios::app);
    out << line << '\n';
}

bool refusing() { return environment(L"TARNWICK_FAKE_SHELL") == L"fail"; }

// A Windows Runtime object answers IInspectable too; the program asks nothing of it.
template <typename Object, typename... Interfaces>
struct Inspectable : ComObject<Object, Interfaces...> {
    HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
        *count = 0;
        *iids = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
        *name = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
        *level = BaseTrust;
        return S_OK;
    }
};

// The table of an object that answers one interface, and IInspectable when it is a runtime object.
#define FAKE_INTERFACES(Object, Interface, iid)                                                           \
    static ComTable<Object> com_interfaces() {                                                            \
        static const ComInterface<Object> table[] = {{&(iid), com_pointer<Object, Interface>},            \
                                                     {&kIidInspectable, com_pointer<Object, Interface>}}; \
        return com_table(table);                                                                          \
    }

// ---- the taskbar

// Written to shell.log, and deleted with its last reference.
struct Taskbar final : fake_shell::FakeTaskbar {
    void record(const Fields& fields) override { log(fields); }
    void released() override { delete this; }
};

struct TaskbarFactory final : ComObject<TaskbarFactory, IClassFactory> {
    static ComTable<TaskbarFactory> com_interfaces() {
        static const ComInterface<TaskbarFactory> table[] = {
            {&IID_IClassFactory, com_pointer<TaskbarFactory, IClassFactory>}};
        return com_table(table);
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        if (refusing()) {
            log({"CreateInstance", "failed"});
            return E_FAIL;
        }
        auto* taskbar = new Taskbar;
        const HRESULT result = taskbar->QueryInterface(iid, out);
        taskbar->Release();
        log({"CreateInstance", SUCCEEDED(result) ? "ok" : "failed"});
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(WINBOOL) override { return S_OK; }
};

// ---- the media overlay

struct Args final : Inspectable<Args, IButtonPressedArgs> {
    int32_t button;
    explicit Args(int32_t b) : button(b) {}
    FAKE_INTERFACES(Args, IButtonPressedArgs, kIidButtonPressedArgs)
    HRESULT STDMETHODCALLTYPE get_Button(int32_t* value) override {
        *value = button;
        return S_OK;
    }
};

std::string hstring_text(HSTRING text) {
    UINT32 length = 0;
    const wchar_t* raw = WindowsGetStringRawBuffer(text, &length);
    return utf8(std::wstring(raw ? raw : L"", length).c_str());
}

struct VideoProperties final : Inspectable<VideoProperties, IVideoDisplayProperties> {
    FAKE_INTERFACES(VideoProperties, IVideoDisplayProperties, kIidVideoDisplayProperties)
    HRESULT STDMETHODCALLTYPE get_Title(HSTRING* value) override {
        *value = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Title(HSTRING value) override {
        log({"put_Title", hstring_text(value)});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Subtitle(HSTRING* value) override {
        *value = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Subtitle(HSTRING) override { return S_OK; }
};

struct DisplayUpdater final : Inspectable<DisplayUpdater, IDisplayUpdater> {
    FAKE_INTERFACES(DisplayUpdater, IDisplayUpdater, kIidDisplayUpdater)
    HRESULT STDMETHODCALLTYPE get_Type(PlaybackType* value) override {
        *value = unknown;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Type(PlaybackType value) override {
        log({"put_Type", std::to_string(static_cast<int>(value))});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_AppMediaId(HSTRING* value) override {
        *value = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_AppMediaId(HSTRING) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE get_Thumbnail(IUnknown** value) override {
        *value = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_Thumbnail(IUnknown*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_MusicProperties(IUnknown** value) override {
        *value = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_VideoProperties(IVideoDisplayProperties** value) override {
        *value = new VideoProperties;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ImageProperties(IUnknown** value) override {
        *value = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CopyFromFileAsync(PlaybackType, IUnknown*, IUnknown** operation) override {
        *operation = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearAll() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Update() override {
        log({"Update"});
        return S_OK;
    }
};

#define FAKE_FLAG(Name)                                               \
    HRESULT STDMETHODCALLTYPE get_##Name(boolean* value) override {   \
        *value = 0;                                                   \
        return S_OK;                                                  \
    }                                                                 \
    HRESULT STDMETHODCALLTYPE put_##Name(boolean value) override {    \
        log({"put_" #Name, std::to_string(static_cast<int>(value))}); \
        return S_OK;                                                  \
    }

struct Controls final : Inspectable<Controls, IControls> {
    std::mutex lock;
    IButtonPressedHandler* handler = nullptr;
    std::atomic<bool> stop{false};
    std::thread presser;

    Controls() : presser([this] { press_loop(); }) {}
    ~Controls() override {
        stop = true;
        presser.join();
        if (handler) handler->Release();
    }

    FAKE_INTERFACES(Controls, IControls, kIidControls)
    HRESULT STDMETHODCALLTYPE get_PlaybackStatus(PlaybackStatus* value) override {
        *value = closed;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_PlaybackStatus(PlaybackStatus value) override {
        log({"put_PlaybackStatus", std::to_string(static_cast<int>(value))});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_DisplayUpdater(IDisplayUpdater** value) override {
        *value = new DisplayUpdater;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SoundLevel(int32_t* value) override {
        *value = 2;
        return S_OK;
    }
    FAKE_FLAG(IsEnabled)
    FAKE_FLAG(IsPlayEnabled)
    FAKE_FLAG(IsStopEnabled)
    FAKE_FLAG(IsPauseEnabled)
    FAKE_FLAG(IsRecordEnabled)
    FAKE_FLAG(IsFastForwardEnabled)
    FAKE_FLAG(IsRewindEnabled)
    FAKE_FLAG(IsPreviousEnabled)
    FAKE_FLAG(IsNextEnabled)
    FAKE_FLAG(IsChannelUpEnabled)
    FAKE_FLAG(IsChannelDownEnabled)
    HRESULT STDMETHODCALLTYPE add_ButtonPressed(IUnknown* unknown, EventToken* token) override {
        IButtonPressedHandler* typed = nullptr;
        const HRESULT result = unknown->QueryInterface(kIidButtonPressedHandler, reinterpret_cast<void**>(&typed));
        log({"add_ButtonPressed", SUCCEEDED(result) ? "ok" : "failed"});
        if (FAILED(result)) return result;
        const std::lock_guard<std::mutex> hold(lock);
        if (handler) handler->Release();
        handler = typed;
        token->value = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE remove_ButtonPressed(EventToken) override {
        log({"remove_ButtonPressed"});
        const std::lock_guard<std::mutex> hold(lock);
        if (handler) handler->Release();
        handler = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE add_PropertyChanged(IUnknown*, EventToken* token) override {
        token->value = 2;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE remove_PropertyChanged(EventToken) override { return S_OK; }

    // Windows calls the handler on a thread of its own; so does this.
    void press_loop() {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        const std::wstring file = environment(L"TARNWICK_FAKE_DIR") + L"\\press.txt";
        while (!stop) {
            Sleep(20);
            std::ifstream in{std::filesystem::path(file)};
            if (!in) continue;
            int32_t button = -1;
            in >> button;
            in.close();
            DeleteFileW(file.c_str());
            IButtonPressedHandler* target = nullptr;
            {
                const std::lock_guard<std::mutex> hold(lock);
                target = handler;
                if (target) target->AddRef();
            }
            if (!target) continue;
            auto* args = new Args(button);
            target->Invoke(this, args);
            args->Release();
            target->Release();
            log({"ButtonPressed", std::to_string(button)});
        }
        CoUninitialize();
    }
};

struct OverlayFactory final : Inspectable<OverlayFactory, IActivationFactory, IInterop> {
    static ComTable<OverlayFactory> com_interfaces() {
        static const ComInterface<OverlayFactory> table[] = {
            {&kIidActivationFactory, com_pointer<OverlayFactory, IActivationFactory>},
            {&kIidInspectable, com_pointer<OverlayFactory, IActivationFactory>},
            {&kIidInterop, com_pointer<OverlayFactory, IInterop>},
        };
        return com_table(table);
    }
    HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
        *instance = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetForWindow(HWND window, REFIID iid, void** out) override {
        *out = nullptr;
        if (refusing() || !IsWindow(window)) {
            log({"GetForWindow", "failed"});
            return E_FAIL;
        }
        auto* controls = new Controls;
        const HRESULT result = controls->QueryInterface(iid, out);
        controls->Release();
        log({"GetForWindow", SUCCEEDED(result) ? "ok" : "failed"});
        return result;
    }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    *out = nullptr;
    if (clsid != CLSID_TaskbarList) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new TaskbarFactory;
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }

extern "C" __declspec(dllexport) HRESULT WINAPI
    DllGetActivationFactory(HSTRING class_name, IActivationFactory** factory) {
    *factory = nullptr;
    if (hstring_text(class_name) != "Windows.Media.SystemMediaTransportControls") return CLASS_E_CLASSNOTAVAILABLE;
    *factory = new OverlayFactory;
    return S_OK;
}
