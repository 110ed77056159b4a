// The few Windows Runtime interfaces of the media overlay (System Media Transport Controls), declared
// by hand: mingw-w64's headers have none of them. Methods are in vtable order, as the Windows
// metadata (Windows.Media.winmd) lists them; an interface's methods follow IInspectable's, a
// delegate's follow IUnknown's. The IIDs are the interfaces' own, except the event handler's, which
// is the IID of the parameterised TypedEventHandler<SystemMediaTransportControls,
// SystemMediaTransportControlsButtonPressedEventArgs>, derived from its signature (UUID version 5
// over SHA-1, the Windows Runtime's rule for parameterised interfaces).
#pragma once

#include "base/win32_win.h"

// clang-format off
#include <inspectable.h>
#include <roapi.h>
#include <winstring.h>
// clang-format on

#include <cstdint>

namespace overlay_abi {

constexpr wchar_t kClassName[] = L"Windows.Media.SystemMediaTransportControls";

enum PlaybackStatus : int32_t { closed = 0, changing = 1, stopped = 2, playing = 3, paused = 4 };
enum PlaybackType : int32_t { unknown = 0, music = 1, video = 2, image = 3 };
struct EventToken {
    int64_t value;
};

// ISystemMediaTransportControlsInterop {ddb0472d-c911-4a1f-86d9-dc3d71a95f5a}
constexpr GUID kIidInterop = {0xddb0472d, 0xc911, 0x4a1f, {0x86, 0xd9, 0xdc, 0x3d, 0x71, 0xa9, 0x5f, 0x5a}};
struct IInterop : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE GetForWindow(HWND window, REFIID iid, void** out) = 0;
};

struct IVideoDisplayProperties;
struct IDisplayUpdater;

// ISystemMediaTransportControls {99fa3ff4-1742-42a6-902e-087d41f965ec}
constexpr GUID kIidControls = {0x99fa3ff4, 0x1742, 0x42a6, {0x90, 0x2e, 0x08, 0x7d, 0x41, 0xf9, 0x65, 0xec}};
struct IControls : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_PlaybackStatus(PlaybackStatus* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PlaybackStatus(PlaybackStatus value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DisplayUpdater(IDisplayUpdater** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SoundLevel(int32_t* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsPlayEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsPlayEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsStopEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsStopEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsPauseEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsPauseEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsRecordEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsRecordEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsFastForwardEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsFastForwardEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsRewindEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsRewindEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsPreviousEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsPreviousEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsNextEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsNextEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsChannelUpEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsChannelUpEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsChannelDownEnabled(boolean* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsChannelDownEnabled(boolean value) = 0;
    virtual HRESULT STDMETHODCALLTYPE add_ButtonPressed(IUnknown* handler, EventToken* token) = 0;
    virtual HRESULT STDMETHODCALLTYPE remove_ButtonPressed(EventToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE add_PropertyChanged(IUnknown* handler, EventToken* token) = 0;
    virtual HRESULT STDMETHODCALLTYPE remove_PropertyChanged(EventToken token) = 0;
};

// ISystemMediaTransportControlsButtonPressedEventArgs {b7f47116-a56f-4dc8-9e11-92031f4a87c2}
constexpr GUID kIidButtonPressedArgs = {0xb7f47116, 0xa56f, 0x4dc8, {0x9e, 0x11, 0x92, 0x03, 0x1f, 0x4a, 0x87, 0xc2}};
struct IButtonPressedArgs : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Button(int32_t* button) = 0;
};

// TypedEventHandler<SystemMediaTransportControls, ...ButtonPressedEventArgs>
// {0557e996-7b23-5bae-aa81-ea0d671143a4}
constexpr GUID kIidButtonPressedHandler = {
    0x0557e996, 0x7b23, 0x5bae, {0xaa, 0x81, 0xea, 0x0d, 0x67, 0x11, 0x43, 0xa4}};
struct IButtonPressedHandler : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(IInspectable* sender, IButtonPressedArgs* args) = 0;
};

// ISystemMediaTransportControlsDisplayUpdater {8abbc53e-fa55-4ecf-ad8e-c984e5dd1550}
constexpr GUID kIidDisplayUpdater = {0x8abbc53e, 0xfa55, 0x4ecf, {0xad, 0x8e, 0xc9, 0x84, 0xe5, 0xdd, 0x15, 0x50}};
struct IDisplayUpdater : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Type(PlaybackType* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Type(PlaybackType value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AppMediaId(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AppMediaId(HSTRING value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Thumbnail(IUnknown** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Thumbnail(IUnknown* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MusicProperties(IUnknown** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VideoProperties(IVideoDisplayProperties** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ImageProperties(IUnknown** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyFromFileAsync(PlaybackType type, IUnknown* file, IUnknown** operation) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearAll() = 0;
    virtual HRESULT STDMETHODCALLTYPE Update() = 0;
};

// IVideoDisplayProperties {5609fdb1-5d2d-4872-8170-45dee5bc2f5c}
constexpr GUID kIidVideoDisplayProperties = {
    0x5609fdb1, 0x5d2d, 0x4872, {0x81, 0x70, 0x45, 0xde, 0xe5, 0xbc, 0x2f, 0x5c}};
struct IVideoDisplayProperties : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Title(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Title(HSTRING value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Subtitle(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Subtitle(HSTRING value) = 0;
};

}  // namespace overlay_abi
