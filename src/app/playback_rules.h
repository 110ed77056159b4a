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

// Clamped to 0..100 and rounded half away from zero; a request that is not a number gives 0.
double clamp_volume(double requested);

// False for surrogates and values above U+10FFFF.
bool is_unicode_scalar(uint32_t code);
