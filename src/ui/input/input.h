// What each key, character and wheel turn of the main window and each dropped file asks for, decided without Windows so
// the whole table can be checked on every platform. The Win32 side reads the modifier keys and runs the command.
#pragma once

#include <cstdint>
#include <string>

#include "app/command.h"
#include "ui/input/key_bindings.h"

// The command of a key typed to the main window, from the key table. Unbound keys give
// CommandId::none.
Command key_command(uint32_t virtual_key, bool ctrl, bool shift);

// The command of a key pressed with Alt (a system key), when the window acts on it rather than
// Windows.
Command alt_key_command(uint32_t virtual_key);

// Characters follow the keyboard layout; codes that are not Unicode scalar values are unbound.
Command char_command(uint64_t code);

// One step of 5 per wheel message whatever the delta; a delta of 0 is not a turn up.
Command wheel_command(int16_t delta, bool invert);

// A dropped file: by its extension, a subtitle file for the video playing, or a video to play.
Command drop_command(const std::string& path);
