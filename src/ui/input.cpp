#include "ui/input.h"

KeyBinding key_binding(uint32_t virtual_key, bool ctrl, bool shift) {
    // Keys that mean the same with and without Ctrl.
    switch (virtual_key) {
        case kKeyReturn:
        case 'F':
        case kKeyF11:
            return {KeyCommand::toggle_fullscreen, 0};
        case kKeyEscape:
            return {KeyCommand::leave_fullscreen, 0};
        case kKeySpace:
        case 'K':
            return {KeyCommand::toggle_pause, 0};
        case kKeyHome:
            return {KeyCommand::seek_to_start, 0};
        case kKeyUp:
            return {KeyCommand::volume_step, 5};
        case kKeyDown:
            return {KeyCommand::volume_step, -5};
        case 'M':
            return {KeyCommand::toggle_mute, 0};
        case kKeyF1:
            return {KeyCommand::toggle_help, 0};
        default:
            break;
    }
    if (ctrl) {
        // Ctrl+arrow jumps a minute; holding Shift as well changes nothing.
        switch (virtual_key) {
            case kKeyLeft:
                return {KeyCommand::seek, -60};
            case kKeyRight:
                return {KeyCommand::seek, 60};
            case 'O':
                return {KeyCommand::open_file_dialog, 0};
            default:
                return {};
        }
    }
    switch (virtual_key) {
        case kKeyLeft:
            return {KeyCommand::seek, shift ? -1 : -5};
        case kKeyRight:
            return {KeyCommand::seek, shift ? 1 : 5};
        case 'A':
            return {KeyCommand::next_audio_track, 0};
        case 'S':
            return {KeyCommand::next_subtitle_track, 0};
        case 'I':
            return {KeyCommand::toggle_multi_instance, 0};
        case 'T':
            return {KeyCommand::toggle_always_on_top, 0};
        default:
            return {};
    }
}

CharCommand char_binding(uint64_t code) {
    switch (code) {
        case '+':
            return CharCommand::speed_up;
        case '-':
            return CharCommand::speed_down;
        case '=':
            return CharCommand::speed_reset;
        case '.':
            return CharCommand::frame_step;
        case ',':
            return CharCommand::frame_back_step;
        default:
            return CharCommand::unbound;
    }
}

int32_t wheel_volume_step(int16_t delta, bool invert) {
    const bool up = delta > 0;
    return (up != invert) ? 5 : -5;
}
