#include "ui/input/input.h"

#include "app/file_types.h"

namespace {

bool matches(Held held, bool down) { return held == Held::either || (held == Held::yes) == down; }

Command command_of(const KeyBinding& row) { return {row.command.id, row.command.amount}; }

}  // namespace

Command key_command(uint32_t virtual_key, bool ctrl, bool shift) {
    for (const KeyBinding& row : kKeyBindings)
        if (row.route == KeyRoute::window && row.key != 0 && row.key == virtual_key && matches(row.ctrl, ctrl) &&
            matches(row.shift, shift))
            return command_of(row);
    return {};
}

Command alt_key_command(uint32_t virtual_key) {
    for (const KeyBinding& row : kKeyBindings)
        if (row.route == KeyRoute::alt && row.key == virtual_key) return command_of(row);
    return {};
}

Command char_command(uint64_t code) {
    for (const KeyBinding& row : kKeyBindings)
        if (row.key == 0 && static_cast<unsigned char>(row.character) == code) return command_of(row);
    return {};
}

Command wheel_command(int16_t delta, bool invert) {
    const bool up = delta > 0;
    return {CommandId::volume_step, (up != invert) ? 5.0 : -5.0};
}

Command drop_command(const std::string& path) {
    return path_command(is_subtitle_file(path) ? CommandId::load_subtitle_file : CommandId::open_file, path);
}
