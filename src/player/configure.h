// Setting up the player core between mpv_create and the first command: the program's own options,
// the user's extra options, initialization, the observed properties and the wake-up callback.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "player/core.h"

using OptionList = std::vector<std::pair<std::string, std::string>>;

struct CoreSetup {
    int64_t video_window = 0;  // the handle of the window the core renders into
    std::string watch_later_directory;
    double volume = 80;
    bool muted = false;
    std::string user_options;  // the "mpv_options" setting
    std::string client_name;   // the program's name in the system's volume mixer
};

// The program's own options, in the order they are set.
OptionList program_options(const CoreSetup& setup);

// "name=value;name=value": pieces without '=' are skipped, names and values trimmed.
OptionList parse_user_options(std::string_view text);

// Sets every option, initializes, observes the properties and installs the wake-up callback. On an
// initialization failure the handle is destroyed and mpv_initialize's status returned.
std::optional<int> configure_core(const Core& core, const CoreSetup& setup, void (*wake_up)(void*), void* wake_up_data);
