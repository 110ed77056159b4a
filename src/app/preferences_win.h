// The switches of the settings that act at once: saved, and announced on the video.
#pragma once

struct App;

// The I key of the main window and of the Help window, and the menu item.
void toggle_multi_instance(App& app);
void toggle_wheel_invert(App& app);
