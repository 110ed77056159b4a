// Small decisions of the transport actions, kept apart from Windows so they are tested everywhere.
#pragma once

#include <cstdint>
#include <string>

struct PlaybackState;

// "delete-watch-later-config" for a video that is finished or in its last five seconds (it starts
// from the beginning next time), otherwise "write-watch-later-config".
const char* resume_command(const PlaybackState& state);

// The relative seek as one command line, with the core's own seek bar on the video.
std::string relative_seek_line(int32_t seconds);

// Clamped to 0..100; a value that is not a number gives 0. The settings keep a volume so.
double clamp_volume(double volume);

// clamp_volume rounded half away from zero, never a negative zero: the volume the actions set.
double whole_volume(double requested);
