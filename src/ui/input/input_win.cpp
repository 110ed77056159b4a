// Keys, characters and the wheel of the main window. The table itself is in key_bindings.h; this
// side reads the modifier state and runs the commands.
#include "ui/input/input_win.h"

#include "app/app_state_win.h"
#include "app/playback/playback_win.h"
#include "ui/input/commands_win.h"
#include "ui/state_changed_win.h"
#include "ui/window_modes_win.h"

namespace {

bool held(int virtual_key) { return GetKeyState(virtual_key) < 0; }

// Runs a key's command; false for an unbound key, which keeps its default processing.
bool run_bound(App& app, const Command& command) {
    if (command.id == CommandId::none) return false;
    run_command(app, command);
    return true;
}

}  // namespace

Command current_key_command(WPARAM key) {
    // Virtual keys are bytes; anything wider is not a key of ours (and must not alias one).
    if (key > 0xFF) return {};
    return key_command(static_cast<uint32_t>(key), held(VK_CONTROL), held(VK_SHIFT));
}

// Auto-repeat is honoured: every key-down runs its command, so holding an arrow keeps seeking.
bool on_main_key_down(App& app, WPARAM key) { return run_bound(app, current_key_command(key)); }

bool on_alt_key_down(App& app, WPARAM key) {
    return run_bound(app, key > 0xFF ? Command{} : alt_key_command(static_cast<uint32_t>(key)));
}

void on_char(App& app, WPARAM character) { run_command(app, char_command(character)); }

// A high-resolution wheel sends several small deltas per notch; each message is still one step, the
// way the player has always behaved.
void on_mouse_wheel(App& app, WPARAM wparam) {
    state_changed(app, auto_hide_wake_up(app));
    const auto delta = static_cast<int16_t>(HIWORD(wparam));
    run_command(app, wheel_command(delta, app.settings.wheel_invert));
}
