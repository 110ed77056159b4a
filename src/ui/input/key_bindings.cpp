#include "ui/input/key_bindings.h"

namespace {

constexpr Text kCtrl{"Ctrl+", "Ctrl+"};
constexpr Text kShift{"Shift+", "Maj+"};
constexpr Text kAlt{"Alt+", "Alt+"};

bool binds(const KeyBinding& row, BoundCommand command) {
    return row.command.id == command.id && row.command.amount == command.amount;
}

const KeyBinding* first_row(BoundCommand command) {
    for (const KeyBinding& row : kKeyBindings)
        if (binds(row, command)) return &row;
    return nullptr;
}

std::string modifiers(const KeyBinding& row) {
    if (row.route != KeyRoute::window) return pick(kAlt);
    std::string out;
    if (row.ctrl == Held::yes) out += pick(kCtrl);
    if (row.shift == Held::yes) out += pick(kShift);
    return out;
}

std::string written(const KeyBinding& row) { return modifiers(row) + pick(row.name); }

}  // namespace

std::string key_name(BoundCommand command) {
    const KeyBinding* row = first_row(command);
    return row ? written(*row) : std::string();
}

std::string key_names(BoundCommand command, KeyRoute route) {
    std::string out;
    for (const KeyBinding& row : kKeyBindings) {
        if (!binds(row, command) || row.route != route) continue;
        if (!out.empty()) out += ", ";
        out += written(row);
    }
    return out;
}

std::string key_name_pair(BoundCommand first, BoundCommand second) {
    const KeyBinding* a = first_row(first);
    const KeyBinding* b = first_row(second);
    if (!a || !b) return key_name(first) + key_name(second);
    const std::string shared = modifiers(*a) == modifiers(*b) ? std::string(pick(b->name)) : written(*b);
    return written(*a) + " / " + shared;
}

std::string with_key_names(const char* pattern, const BoundCommand (&keys)[3]) {
    std::string out;
    for (const char* c = pattern; *c; ++c) {
        if (c[0] == '{' && c[1] >= '1' && c[1] <= '3' && c[2] == '}') {
            out += key_name(keys[c[1] - '1']);
            c += 2;
        } else {
            out += *c;
        }
    }
    return out;
}
