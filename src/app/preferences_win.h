// The switches of the settings that act at once: saved, and announced on the video.
#pragma once

#include "app/changes.h"

struct App;

// The I key of the main window and of the Help window, and the menu item; Help shows the switch.
Changes toggle_multi_instance(App& app);
Changes toggle_wheel_invert(App& app);
