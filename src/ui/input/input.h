// What each key, character and wheel turn of the main window and each dropped file asks for, decided without Windows so the whole table can be checked on every platform.
// The Win32 side reads the modifier keys and runs the command.
#pragma once

#include <cstdint>
#include <string>

#include "app/command.h"

// Virtual-key codes of the bound keys (the values of winuser.h).
constexpr uint32_t kKeyReturn = 0x0D;
constexpr uint32_t kKeyEscape = 0x1B;
constexpr uint32_t kKeySpace = 0x20;
constexpr uint32_t kKeyHome = 0x24;
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyUp = 0x26;
constexpr uint32_t kKeyRight = 0x27;
constexpr uint32_t kKeyDown = 0x28;
constexpr uint32_t kKeyF1 = 0x70;
constexpr uint32_t kKeyF11 = 0x7A;

// The command of a key: Ctrl picks one of two tables; Shift only matters for the arrows without Ctrl.
// Unbound keys give CommandId::none.
Command key_command(uint32_t virtual_key, bool ctrl, bool shift);

// Characters follow the keyboard layout; codes that are not Unicode scalar values are unbound.
Command char_command(uint64_t code);

// One step of 5 per wheel message whatever the delta; a delta of 0 is not a turn up.
Command wheel_command(int16_t delta, bool invert);

// A dropped file: by its extension, a subtitle file for the video playing, or a video to play.
Command drop_command(const std::string& path);
