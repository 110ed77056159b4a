// What a screen reader sees of an owner-drawn window: a root and one level of elements with names,
// roles, rectangles and states. The windows build it on the user-interface thread; the UI
// Automation provider serves copies of it to the screen reader's threads. Nothing here needs Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/pixel_rect.h"

enum class AccessibleRole : uint8_t { tool_bar, window, button, slider, text, check_box, hyperlink };

struct AccessibleRange {
    double value = 0;
    double minimum = 0;
    double maximum = 0;
    double small_change = 0;
    double large_change = 0;
    bool read_only = true;
    // Value changes are announced only when value / announce_step, truncated, changes (0: every
    // change): a playing position would otherwise be read out many times a second.
    double announce_step = 0;
};

struct AccessibleNode {
    AccessibleRole role = AccessibleRole::text;
    std::string automation_id;  // the same in every language
    std::string name;           // in the active language
    PixelRect rect;             // in the host window's client coordinates
    bool enabled = true;
    bool offscreen = false;
    bool invokable = false;
    std::optional<bool> toggled;  // toggle buttons and check boxes
    std::optional<AccessibleRange> range;
    uint32_t action = 0;  // what the host window runs on Invoke, Toggle or SetValue
};

struct AccessibleTree {
    AccessibleNode root;
    std::vector<AccessibleNode> children;
    unsigned char language = 0;  // the active language the names are in
};

// Events a screen reader listens for. `index` is a child's index, or -1 for the root.
struct AccessibleChange {
    enum class Kind : uint8_t { structure, name, enabled, toggle, value, read_only, maximum };
    Kind kind = Kind::structure;
    int index = -1;
    std::string old_text, new_text;         // name
    double old_number = 0, new_number = 0;  // enabled, toggle (0/1), value, read-only (0/1), maximum
};

// The events that take a reader from `before` to `after`: a new structure when the language or the
// set of elements changed, then every changed name, enabled state, toggle state and range.
std::vector<AccessibleChange> accessible_changes(const AccessibleTree& before, const AccessibleTree& after);

// The child whose rectangle holds a point of the host's client area (skipping offscreen ones), or -1.
int accessible_child_at(const AccessibleTree& tree, int32_t x, int32_t y);
