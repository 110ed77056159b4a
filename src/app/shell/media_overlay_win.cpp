#include "app/shell/media_overlay_win.h"

#include "base/dll_functions_win.h"
#include "base/wide_win.h"
#include "player/playback_state.h"

namespace {

using namespace overlay_abi;

// The Windows Runtime's functions, from combase (where its api-ms-win-core-winrt sets lead), loaded
// when the overlay is first attached rather than with the program.
#define TARNWICK_WINRT(X)           \
    X(RoGetActivationFactory)       \
    X(WindowsCreateString)          \
    X(WindowsCreateStringReference) \
    X(WindowsDeleteString)

TARNWICK_FUNCTION_TABLE(WinRt, winrt, TARNWICK_WINRT, load_system_library(L"combase.dll"))

bool complete(const WinRt& runtime) {
    return runtime.RoGetActivationFactory && runtime.WindowsCreateString && runtime.WindowsCreateStringReference &&
           runtime.WindowsDeleteString;
}

// The ButtonPressed delegate. Windows calls it on a worker thread of its own, so it touches nothing
// of the program: it posts the button to the main window and returns. Agile, so Windows may call it
// from any apartment without marshalling.
class ButtonHandler final : public ComObject<ButtonHandler, IButtonPressedHandler> {
public:
    ButtonHandler(HWND window, UINT message) : window_(window), message_(message) {}

    static ComTable<ButtonHandler> com_interfaces() {
        static const ComInterface<ButtonHandler> table[] = {
            {&kIidButtonPressedHandler, com_pointer<ButtonHandler, IButtonPressedHandler>},
            {&IID_IAgileObject, com_pointer<ButtonHandler, IButtonPressedHandler>},
        };
        return com_table(table);
    }
    HRESULT STDMETHODCALLTYPE Invoke(IInspectable*, IButtonPressedArgs* args) override {
        int32_t button = -1;
        if (args && SUCCEEDED(args->get_Button(&button)) && button >= 0)
            PostMessageW(window_, message_, static_cast<WPARAM>(button), 0);
        return S_OK;
    }

private:
    HWND window_;
    UINT message_;
};

// An HSTRING made from UTF-8 and deleted with its owner.
class OwnedHString {
public:
    explicit OwnedHString(const std::string& text) {
        const std::wstring units = wide(text);
        if (FAILED(winrt().WindowsCreateString(units.c_str(), static_cast<UINT32>(units.size()), &string_)))
            string_ = nullptr;
    }
    OwnedHString(const OwnedHString&) = delete;
    OwnedHString& operator=(const OwnedHString&) = delete;
    ~OwnedHString() {
        if (string_) winrt().WindowsDeleteString(string_);
    }
    HSTRING get() const { return string_; }

private:
    HSTRING string_ = nullptr;
};

void set_title(IControls& controls, const std::string& title) {
    ComRef<IDisplayUpdater> updater;
    if (FAILED(controls.get_DisplayUpdater(reinterpret_cast<IDisplayUpdater**>(updater.put()))) || !updater) return;
    updater->put_Type(video);
    ComRef<IVideoDisplayProperties> properties;
    if (SUCCEEDED(updater->get_VideoProperties(reinterpret_cast<IVideoDisplayProperties**>(properties.put()))) &&
        properties) {
        const OwnedHString text(title);
        properties->put_Title(text.get());
    }
    updater->Update();
}

}  // namespace

bool attach_media_overlay(MediaOverlay& overlay, HWND window, UINT message) {
    HSTRING_HEADER header{};
    HSTRING class_name = nullptr;
    const WinRt& runtime = winrt();
    if (!complete(runtime)) return false;
    if (FAILED(runtime.WindowsCreateStringReference(kClassName, ARRAYSIZE(kClassName) - 1, &header, &class_name)))
        return false;
    ComRef<IInterop> interop;
    if (FAILED(runtime.RoGetActivationFactory(class_name, kIidInterop, interop.put())) || !interop) return false;
    ComRef<IControls> controls;
    if (FAILED(interop->GetForWindow(window, kIidControls, controls.put())) || !controls) return false;

    // Disabled until a file is loaded; only play and pause are offered (there is no playlist).
    controls->put_IsEnabled(false);
    controls->put_IsPlayEnabled(true);
    controls->put_IsPauseEnabled(true);
    // The overlay takes its own reference.
    const ComRef<IButtonPressedHandler> handler(new ButtonHandler(window, message));
    EventToken token{};
    if (SUCCEEDED(controls->add_ButtonPressed(handler.get(), &token))) overlay.handler_token = token;
    overlay.controls = std::move(controls);
    overlay.shown_enabled = false;
    return true;
}

void media_overlay_follow(MediaOverlay& overlay, const PlaybackState& playback) {
    if (!overlay.controls) return;
    IControls& controls = *overlay.controls.get();
    if (playback.file_loaded && playback.current_file) {
        const std::string title = display_title(*playback.current_file);
        if (overlay.shown_title != title) {
            set_title(controls, title);
            overlay.shown_title = title;
        }
    }
    const OverlayStatus status = overlay_status(playback);
    if (overlay.shown_status != status) {
        controls.put_PlaybackStatus(static_cast<PlaybackStatus>(status));
        overlay.shown_status = status;
    }
    if (overlay.shown_enabled != playback.file_loaded) {
        controls.put_IsEnabled(playback.file_loaded);
        overlay.shown_enabled = playback.file_loaded;
    }
}

bool media_overlay_offers_buttons(const MediaOverlay& overlay) {
    return overlay.controls.get() && overlay.shown_enabled.value_or(false);
}

void detach_media_overlay(MediaOverlay& overlay) {
    if (!overlay.controls) return;
    if (overlay.handler_token) overlay.controls->remove_ButtonPressed(*overlay.handler_token);
    overlay.controls->put_PlaybackStatus(closed);
    overlay.controls->put_IsEnabled(false);
    overlay = MediaOverlay{};
}
