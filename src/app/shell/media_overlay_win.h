// Windows' media overlay (the System Media Transport Controls) for the main window: the file's
// title, the playback status and the play/pause buttons. Where Windows has no such class (Wine,
// Windows editions without the media features) nothing is attached and nothing is said.
#pragma once

#include <optional>
#include <string>

#include "app/shell/media_overlay_abi_win.h"
#include "app/shell/shell_surfaces.h"
#include "base/com_win.h"
#include "base/win32_win.h"

struct PlaybackState;

struct MediaOverlay {
    ComRef<overlay_abi::IControls> controls;
    std::optional<overlay_abi::EventToken> handler_token;
    // What the overlay was last given.
    std::optional<bool> shown_enabled;
    std::optional<OverlayStatus> shown_status;
    std::optional<std::string> shown_title;
};

// Attaches the overlay to window; a button press posts `message` to window with the button in
// wParam, from whatever thread Windows calls on. False when there is no overlay.
bool attach_media_overlay(MediaOverlay& overlay, HWND window, UINT message);
// Passes on what changed since the last call.
void media_overlay_follow(MediaOverlay& overlay, const PlaybackState& playback);
// Whether the overlay shows its Play and Pause buttons: attached, with a file loaded.
bool media_overlay_offers_buttons(const MediaOverlay& overlay);
// Disables the overlay and lets go of it, at close.
void detach_media_overlay(MediaOverlay& overlay);
