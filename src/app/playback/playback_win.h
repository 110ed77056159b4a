// The playback actions that commands run. Each does nothing when the player core is absent; most
// also need a loaded file. They change the App state and talk to the core; those that return true
// changed what the bar and the shell show, and whoever called them passes that on.
#pragma once

#include <cstdint>
#include <string>

struct App;

bool open_file(App& app, const std::string& path_or_url);
void load_subtitle_file(App& app, const std::string& path);
void save_resume_position(App& app);

bool toggle_pause(App& app);
void seek_relative(App& app, int32_t seconds);
void seek_absolute(App& app, double seconds, bool exact);
// The character bindings: "+", "-", "=" for the speed, "." and "," for frame steps.
void frame_step(App& app, uint32_t character);

bool set_volume(App& app, double requested, bool show_message);
bool toggle_mute(App& app);
// step +1, -1, or 0 for normal speed.
bool change_speed(App& app, int step);
