// The on-screen messages of playback, in the active language at the moment each is built: once on
// screen a message stays in the language it was built in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "player/track_list.h"

// How long each message stays on the video.
constexpr uint32_t kCannotPlayMs = 5000;
constexpr uint32_t kResumeMs = 2000;
constexpr uint32_t kTrackMs = 2000;
constexpr uint32_t kVolumeMs = 1000;
constexpr uint32_t kMuteMs = 1000;
constexpr uint32_t kSpeedMs = 1000;
constexpr uint32_t kSubtitleAddedMs = 2000;
constexpr uint32_t kSubtitleRefusedMs = 2500;
constexpr uint32_t kClearMs = 1;

std::string cannot_play_message(std::string_view path);
// position in seconds, shown in the clock form.
std::string resume_message(double position);
// volume is a whole number from 0 to 100.
std::string volume_message(double volume);
std::string mute_message(bool muted);
std::string speed_message(double speed);
std::string subtitle_added_message(std::string_view path);
std::string subtitle_refused_message();
// label is the track's label, or "off" when none.
std::string track_selected_message(TrackKind kind, std::string_view label);
std::string single_track_message(TrackKind kind);

// Start-up failures of the player core, for the error box.
std::string cannot_load_message(std::string_view library_path);
std::string function_missing_message(std::string_view name);
std::string create_failed_message();
std::string initialize_failed_message(int status);
