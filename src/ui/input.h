// What each key, character and wheel turn of the main window asks for, decided without Windows so
// the whole table can be checked on every platform. The Win32 side reads the modifier keys and runs
// the action.
#pragma once

#include <cstdint>

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

enum class KeyCommand : uint8_t {
    unbound,
    toggle_fullscreen,
    leave_fullscreen,
    toggle_pause,
    seek_to_start,
    seek,         // amount: signed seconds
    volume_step,  // amount: +5 or -5
    toggle_mute,
    next_audio_track,
    next_subtitle_track,
    toggle_multi_instance,
    toggle_always_on_top,
    open_file_dialog,
    toggle_help,
};

struct KeyBinding {
    KeyCommand command = KeyCommand::unbound;
    int32_t amount = 0;
    bool operator==(const KeyBinding& other) const { return command == other.command && amount == other.amount; }
};

// Ctrl picks one of two tables; Shift only matters for the arrows without Ctrl.
KeyBinding key_binding(uint32_t virtual_key, bool ctrl, bool shift);

enum class CharCommand : uint8_t { unbound, speed_up, speed_down, speed_reset, frame_step, frame_back_step };

// Characters follow the keyboard layout; codes that are not Unicode scalar values are unbound.
CharCommand char_binding(uint64_t code);

// One step of 5 per wheel message whatever the delta; a delta of 0 is not a turn up.
int32_t wheel_volume_step(int16_t delta, bool invert);
