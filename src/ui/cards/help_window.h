// What the Help window lists: every keyboard and mouse shortcut, grouped, in the active language,
// picked when called so that the window shows the language of the moment it paints; and what the one
// key it acts on asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/command.h"

struct HelpLine {
    std::string keys;
    std::string action;
};

struct HelpGroup {
    std::string heading;
    char16_t icon = 0;  // Segoe MDL2 Assets code point shown before the heading
    std::vector<HelpLine> lines;
};

struct HelpPage {
    std::string title;                  // "Help — 1.8.0"
    std::vector<HelpGroup> columns[2];  // left and right column
    std::vector<std::string> notes;     // shown under the columns
};

HelpPage help_page(bool multi_instance);

// "on"/"off" in the active language, as the multi-instance row shows it.
std::string multi_instance_state(bool on);

// A key pressed in the Help window, which closes at Esc and F1: the I key flips the switch it shows;
// the others ask for nothing.
Command help_key_command(uint32_t virtual_key);
