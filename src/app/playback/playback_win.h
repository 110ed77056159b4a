// The playback actions that commands run. Each does nothing when the player core is absent; most
// also need a loaded file. They change the App state and talk to the core, and return what they
// changed of what the windows and the shell show; a seek or a frame step changes nothing there until
// the core reports the new position.
#pragma once

#include <cstdint>
#include <string>

#include "app/changes.h"

struct App;

Changes open_file(App& app, const std::string& path_or_url);
void load_subtitle_file(App& app, const std::string& path);
void save_resume_position(App& app);

Changes toggle_pause(App& app);
void seek_relative(App& app, int32_t seconds);
void seek_absolute(App& app, double seconds, bool exact);
void frame_step(App& app);
void frame_back_step(App& app);

Changes set_volume(App& app, double requested, bool show_message);
Changes toggle_mute(App& app);
// step +1, -1, or 0 for normal speed.
Changes change_speed(App& app, int step);
