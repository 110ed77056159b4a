#include "ui/input/input.h"

#include "app/file_types.h"

Command key_command(uint32_t virtual_key, bool ctrl, bool shift) {
    // Keys that mean the same with and without Ctrl.
    switch (virtual_key) {
        case kKeyReturn:
        case 'F':
        case kKeyF11:
            return {CommandId::toggle_fullscreen};
        case kKeyEscape:
            return {CommandId::leave_fullscreen};
        case kKeySpace:
        case 'K':
            return {CommandId::toggle_pause};
        case kKeyHome:
            return {CommandId::seek_to_start};
        case kKeyUp:
            return {CommandId::volume_step, 5};
        case kKeyDown:
            return {CommandId::volume_step, -5};
        case 'M':
            return {CommandId::toggle_mute};
        case kKeyF1:
            return {CommandId::toggle_help};
        default:
            break;
    }
    if (ctrl) {
        // Ctrl+arrow jumps a minute; holding Shift as well changes nothing.
        switch (virtual_key) {
            case kKeyLeft:
                return {CommandId::seek_relative, -60};
            case kKeyRight:
                return {CommandId::seek_relative, 60};
            case 'O':
                return {CommandId::open_video};
            default:
                return {};
        }
    }
    switch (virtual_key) {
        case kKeyLeft:
            return {CommandId::seek_relative, shift ? -1.0 : -5.0};
        case kKeyRight:
            return {CommandId::seek_relative, shift ? 1.0 : 5.0};
        case 'A':
            return {CommandId::next_audio_track};
        case 'S':
            return {CommandId::next_subtitle_track};
        case 'I':
            return {CommandId::toggle_multi_instance};
        case 'T':
            return {CommandId::toggle_always_on_top};
        default:
            return {};
    }
}

Command char_command(uint64_t code) {
    switch (code) {
        case '+':
            return {CommandId::speed_up};
        case '-':
            return {CommandId::speed_down};
        case '=':
            return {CommandId::speed_reset};
        case '.':
            return {CommandId::frame_step};
        case ',':
            return {CommandId::frame_back_step};
        default:
            return {};
    }
}

Command wheel_command(int16_t delta, bool invert) {
    const bool up = delta > 0;
    return {CommandId::volume_step, (up != invert) ? 5.0 : -5.0};
}

Command drop_command(const std::string& path) {
    return path_command(is_subtitle_file(path) ? CommandId::load_subtitle_file : CommandId::open_file, path);
}
