// The playback actions the keyboard, the menus and the control bar trigger. Each does nothing when
// the player core is absent; most also need a loaded file.
#pragma once

#include <cstdint>
#include <string>

struct App;

void open_file(App& app, const std::string& path_or_url);
void load_subtitle_file(App& app, const std::string& path);
void save_resume_position(App& app);

void toggle_pause(App& app);
void seek_relative(App& app, int32_t seconds);
void seek_absolute(App& app, double seconds, bool exact);
// The character bindings: "+", "-", "=" for the speed, "." and "," for frame steps.
void frame_step(App& app, uint32_t character);

void set_volume(App& app, double requested, bool show_message);
void toggle_mute(App& app);
// step +1, -1, or 0 for normal speed.
void change_speed(App& app, int step);
