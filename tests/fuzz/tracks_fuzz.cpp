// Track labels and the track menus from an arbitrary track list as the player core reports it:
// any count, types, ids (negative, huge, not numbers), titles, languages and codecs that need not
// be UTF-8, channel counts of any size. Labels stay valid UTF-8, menu identifiers stay inside their
// kind's range and map back to the track, and every string the core handed out is freed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/settings/language.h"
#include "base/utf.h"
#include "fuzz/fuzz_check.h"
#include "player/track_list.h"
#include "support/recording_core.h"
#include "ui/input/context_menu.h"

namespace {

// A number as text, or any text at all: the fake core reads both with strtoll.
std::string number_text(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::to_string(in.ConsumeIntegralInRange<int64_t>(-3, 12));
        case 1:
            return std::to_string(in.ConsumeIntegral<int64_t>());
        case 2:
            return "nan";
        default:
            return in.ConsumeRandomLengthString(24);
    }
}

void check_menu(TrackKind kind, const std::vector<Track>& tracks, bool file_loaded) {
    const bool subtitles = kind == TrackKind::subtitle;
    for (const MenuEntry& entry : track_menu_entries(kind, true, file_loaded, tracks)) {
        FUZZ_CHECK(is_valid_utf8(entry.label));
        if (entry.kind != MenuEntry::Kind::item || entry.id == 0 || entry.id == kMenuLoadSubtitles) continue;
        const Command command = menu_command(entry.id);
        FUZZ_CHECK(command.id == (subtitles ? CommandId::select_subtitle_track : CommandId::select_audio_track));
        if (command.amount == 0) continue;  // subtitles off
        bool found = false;
        for (const Track& track : tracks) found = found || static_cast<double>(track.id) == command.amount;
        FUZZ_CHECK(found);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    set_active_language(in.ConsumeBool() ? Language::english : Language::french);
    RecordingCore recorder;
    const Core core = recorder.core();

    const size_t entries = in.ConsumeIntegralInRange<size_t>(0, 12);
    recorder.properties["track-list/count"] = in.ConsumeBool() ? std::to_string(entries) : number_text(in);
    static const char* const kTypes[] = {"audio", "sub", "video"};
    for (size_t i = 0; i < entries; ++i) {
        const std::string prefix = "track-list/" + std::to_string(i) + "/";
        recorder.properties[prefix + "type"] =
            in.ConsumeBool() ? kTypes[in.ConsumeIntegralInRange(0, 2)] : in.ConsumeRandomLengthString(8);
        recorder.properties[prefix + "id"] = number_text(in);
        recorder.properties[prefix + "demux-channel-count"] = number_text(in);
        for (const char* text : {"title", "lang", "codec", "selected", "external", "default"})
            if (in.ConsumeBool()) recorder.properties[prefix + text] = in.ConsumeRandomLengthString(40);
    }

    for (const TrackKind kind : {TrackKind::audio, TrackKind::subtitle}) {
        const std::vector<Track> tracks = read_tracks(core, kind);
        FUZZ_CHECK(tracks.size() <= entries);
        for (const Track& track : tracks) {
            FUZZ_CHECK(is_valid_utf8(track.title) && is_valid_utf8(track.lang) && is_valid_utf8(track.codec));
            FUZZ_CHECK(is_valid_utf8(track_label(track)));
            FUZZ_CHECK(is_valid_utf8(selection_label(tracks, track.id)));
        }
        FUZZ_CHECK(is_valid_utf8(selection_label(tracks, in.ConsumeIntegral<int64_t>())));
        if (const auto next = next_track_id(tracks, kind)) {
            bool found = kind == TrackKind::subtitle && *next == 0;
            for (const Track& track : tracks) found = found || track.id == *next;
            FUZZ_CHECK(found);
        }
        check_menu(kind, tracks, true);
        check_menu(kind, tracks, false);
    }
    FUZZ_CHECK(recorder.outstanding_strings == 0);
    return 0;
}
