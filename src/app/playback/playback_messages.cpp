#include "app/playback/playback_messages.h"

#include "app/settings/language.h"
#include "base/number_format.h"

namespace {

constexpr Text kSubtitleRefused{"Cannot load this subtitle file", "Impossible de charger ce fichier de sous-titres"};
constexpr Text kMuted{"Muted", "Muet"};
constexpr Text kSoundOn{"Sound on", "Son activé"};
constexpr Text kOnlyOneAudio{"Only one audio track", "Une seule piste audio"};
constexpr Text kNoSubtitles{"No subtitles (right-click to load a file)",
                            "Aucun sous-titre (clic droit pour charger un fichier)"};
constexpr Text kAudioKind{"Audio", "Audio"};
constexpr Text kSubtitleKind{"Subtitles", "Sous-titres"};
constexpr Text kCannotLoad{"Cannot load ", "Impossible de charger "};
constexpr Text kFunctionMissing{"Function missing from libmpv: ", "Fonction absente de libmpv : "};
constexpr Text kCreateFailed{"mpv_create failed", "mpv_create a échoué"};
constexpr Text kInitializeFailed{"mpv_initialize failed (", "mpv_initialize a échoué ("};
// The parts around a number or a name. French puts a space before a colon and a percent sign.
constexpr Text kColon{": ", " : "};
constexpr Text kCannotPlayBefore{"Cannot play \"", "Impossible de lire « "};
constexpr Text kCannotPlayAfter{"\"", " »"};
constexpr Text kResumingAt{"Resuming at ", "Reprise à "};
constexpr Text kVolume{"Volume: ", "Volume : "};
constexpr Text kPercent{"%", " %"};
constexpr Text kSpeed{"Speed: ×", "Vitesse : ×"};

std::string concat(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

}  // namespace

std::string cannot_play_message(std::string_view path) {
    return concat(pick(kCannotPlayBefore), path, pick(kCannotPlayAfter));
}

std::string resume_message(double position) { return concat(pick(kResumingAt), format_clock(position)); }

std::string volume_message(double volume) {
    // A whole number by now; going through an integer also keeps a negative zero from reading "-0".
    const std::string number = std::to_string(saturate_to_i64(volume));
    return concat(pick(kVolume), number, pick(kPercent));
}

std::string mute_message(bool muted) { return pick(muted ? kMuted : kSoundOn); }

std::string speed_message(double speed) { return concat(pick(kSpeed), format_shortest(speed)); }

std::string subtitle_added_message(std::string_view path) { return concat(pick(kSubtitleKind), pick(kColon), path); }

std::string subtitle_refused_message() { return pick(kSubtitleRefused); }

std::string track_selected_message(TrackKind kind, std::string_view label) {
    return concat(pick(kind == TrackKind::audio ? kAudioKind : kSubtitleKind), pick(kColon), label);
}

std::string single_track_message(TrackKind kind) {
    return pick(kind == TrackKind::audio ? kOnlyOneAudio : kNoSubtitles);
}

std::string cannot_load_message(std::string_view library_path) { return concat(pick(kCannotLoad), library_path); }

std::string function_missing_message(std::string_view name) { return concat(pick(kFunctionMissing), name); }

std::string create_failed_message() { return pick(kCreateFailed); }

std::string initialize_failed_message(int status) {
    return concat(pick(kInitializeFailed), std::to_string(status), ")");
}
