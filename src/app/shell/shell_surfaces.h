// What the Windows shell's own surfaces show of playback (the taskbar button's progress, the three
// buttons of the taskbar thumbnail, the media overlay) and what their buttons and the keyboard's
// media keys ask for. Decided here from the playback state alone; the Win32 side only passes the
// answers to the shell.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/command.h"

struct PlaybackState;

// What a thumbnail button, a media key or an overlay button asks for.
enum class MediaAction : uint8_t { none, toggle_pause, play, pause, back, forward };
// The seek of the thumbnail buttons and of the fast-forward and rewind keys, as the bar's buttons.
constexpr int32_t kMediaSeekSeconds = 10;
// The same commands as the control bar's buttons; play and pause only act when they change
// something, so a "play" key on a playing video does not pause it.
Command media_command(MediaAction action);

// The taskbar button's progress; completed and total in milliseconds.
enum class ProgressKind : uint8_t { none, normal, paused, error };
struct TaskbarProgress {
    ProgressKind kind = ProgressKind::none;
    uint64_t completed = 0;
    uint64_t total = 0;
    bool operator==(const TaskbarProgress& other) const {
        return kind == other.kind && completed == other.completed && total == other.total;
    }
    bool operator!=(const TaskbarProgress& other) const { return !(*this == other); }
};
// failed: a file has just failed to play.
TaskbarProgress taskbar_progress(const PlaybackState& playback, bool failed);

// The thumbnail toolbar, left to right; ids are those of WM_COMMAND's low word.
enum class ThumbIcon : uint8_t { back, play, pause, forward };
constexpr uint32_t kThumbBack = 1;
constexpr uint32_t kThumbPlayPause = 2;
constexpr uint32_t kThumbForward = 3;
struct ThumbButton {
    uint32_t id = 0;
    ThumbIcon icon = ThumbIcon::play;
    std::string tooltip;  // in the active language
    bool enabled = false;
    bool operator==(const ThumbButton& other) const {
        return id == other.id && icon == other.icon && tooltip == other.tooltip && enabled == other.enabled;
    }
};
std::array<ThumbButton, 3> thumb_buttons(const PlaybackState& playback);
MediaAction thumb_button_action(uint32_t id);

// size x size premultiplied 32-bit pixels (0xAARRGGBB, top row first): a white shape on transparency,
// anti-aliased, drawn by the program because the bar's glyph font may be missing.
std::vector<uint32_t> thumb_icon_pixels(ThumbIcon icon, int32_t size);

// WM_APPCOMMAND's command (GET_APPCOMMAND_LPARAM); none leaves it to default processing. While the
// media overlay offers its Play and Pause buttons, Windows hands the keyboard's play and pause keys
// to the overlay, which presses one of them: the same key's WM_APPCOMMAND then goes to default
// processing (on to the shell), so that each press acts once, by one path.
MediaAction app_command_action(uint32_t command, bool overlay_takes_play_pause);

// The media overlay's playback status (Windows.Media.MediaPlaybackStatus) and buttons
// (SystemMediaTransportControlsButton).
enum class OverlayStatus : int32_t { closed = 0, changing = 1, stopped = 2, playing = 3, paused = 4 };
OverlayStatus overlay_status(const PlaybackState& playback);
MediaAction overlay_button_action(int32_t button);
// The overlay's title: the last component of a path or URL, or the whole text when that is empty.
std::string display_title(std::string_view path_or_url);

// A local file goes to Windows' recent documents; a URL does not.
bool belongs_in_recent_documents(std::string_view path_or_url);
