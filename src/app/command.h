// Everything the user can ask of the player, in one list. Keys, characters, the wheel, the menus,
// the bar's buttons and drags, the cards' keys and check box, the open dialogs, dropped files, the
// file named at start-up or handed over by another copy, the taskbar's buttons, the media keys, the
// media overlay and screen readers only translate what they receive into a Command; run_command
// carries every one of them out.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "app/settings/language.h"
#include "app/version.h"

// X(name, English label, French label). The label is the command's name as menus, tooltips, Help
// and screen readers show it, where two of them say the same; each adds its shortcut or its words
// after it. Empty where no two places share a text. The amount each command reads is named beside it;
// the others ignore it.
#define TARNWICK_COMMANDS(X)                                                                \
    X(none, "", "")                                                                         \
    X(open_video, "", "")                                                                   \
    X(open_file, "", "") /* path: the video or URL to play */                               \
    X(toggle_pause, "Play / Pause", "Lecture / Pause")                                      \
    X(play, "Play", "Lecture") /* only when not playing */                                  \
    X(pause, "Pause", "Pause") /* only when playing */                                      \
    X(seek_relative, "", "")   /* amount: signed seconds */                                 \
    X(seek_to_start, "", "")                                                                \
    X(seek_to, "", "")          /* amount: seconds from the start, exact */                 \
    X(seek_to_keyframe, "", "") /* amount: seconds from the start, the nearest key frame */ \
    X(frame_step, "", "")                                                                   \
    X(frame_back_step, "", "")                                                              \
    X(volume_step, "", "") /* amount: the step, with the volume message */                  \
    X(set_volume, "", "")  /* amount: the volume, without a message */                      \
    X(toggle_mute, "Mute", "Muet")                                                          \
    X(speed_up, "", "")                                                                     \
    X(speed_down, "", "")                                                                   \
    X(speed_reset, "", "")                                                                  \
    X(next_audio_track, "", "")                                                             \
    X(next_subtitle_track, "", "")                                                          \
    X(select_audio_track, "", "")    /* amount: the track id */                             \
    X(select_subtitle_track, "", "") /* amount: the track id, 0 for off */                  \
    X(load_subtitles, "", "")                                                               \
    X(load_subtitle_file, "", "") /* path */                                                \
    X(audio_menu, "Audio track", "Piste audio")                                             \
    X(subtitle_menu, "Subtitles", "Sous-titres")                                            \
    X(toggle_fullscreen, "Full screen", "Plein écran")                                      \
    X(leave_fullscreen, "", "")                                                             \
    X(toggle_always_on_top, "Always on top", "Toujours au premier plan")                    \
    X(toggle_multi_instance, "Multi-instance", "Multi-instance")                            \
    X(toggle_wheel_invert, "", "")                                                          \
    X(toggle_hide_about, "", "")                                                            \
    X(switch_language, "", "") /* language */                                               \
    X(toggle_help, "Help", "Aide")                                                          \
    X(show_about, "About " TARNWICK_PRODUCT_NAME, "À propos de " TARNWICK_PRODUCT_NAME)     \
    X(quit, "Quit", "Quitter")

enum class CommandId : uint8_t {
#define TARNWICK_COMMAND_ENUM(name, en, fr) name,
    TARNWICK_COMMANDS(TARNWICK_COMMAND_ENUM)
#undef TARNWICK_COMMAND_ENUM
};

inline constexpr const char* kCommandNames[] = {
#define TARNWICK_COMMAND_NAME(name, en, fr) #name,
    TARNWICK_COMMANDS(TARNWICK_COMMAND_NAME)
#undef TARNWICK_COMMAND_NAME
};

inline constexpr Text kCommandLabels[] = {
#define TARNWICK_COMMAND_LABEL(name, en, fr) {en, fr},
    TARNWICK_COMMANDS(TARNWICK_COMMAND_LABEL)
#undef TARNWICK_COMMAND_LABEL
};

inline const char* command_name(CommandId id) { return kCommandNames[static_cast<uint8_t>(id)]; }
constexpr const Text& command_label(CommandId id) { return kCommandLabels[static_cast<uint8_t>(id)]; }

struct Command {
    CommandId id = CommandId::none;
    double amount = 0;
    Language language = Language::english;
    std::string path{};  // UTF-8
    bool operator==(const Command& other) const {
        return id == other.id && amount == other.amount && language == other.language && path == other.path;
    }
    bool operator!=(const Command& other) const { return !(*this == other); }
};

// A command that carries a path: open_file or load_subtitle_file.
inline Command path_command(CommandId id, std::string path) {
    Command command{id};
    command.path = std::move(path);
    return command;
}

struct App;
// What carries a command out: run_command, or a test's stand-in. Input code that lives below the
// command runner is handed it rather than calling up into it.
using CommandRunner = void (*)(App& app, const Command& command);
