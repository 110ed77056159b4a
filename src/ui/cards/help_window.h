// What the Help window lists: every keyboard and mouse shortcut, grouped, in the active language.
// Picked when called, so the window shows the language of the moment it paints.
#pragma once

#include <string>
#include <vector>

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
