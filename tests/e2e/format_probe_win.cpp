// The format matrix: whether the libmpv-2.dll beside this program reads every file type the player
// offers. It loads the DLL with the program's own loader and sets it up with the program's own
// options (video and audio going nowhere, since decoding is the question), then
//   - asks the DLL for its demuxers and decoders and checks each row of the format table,
//   - plays each video sample until frames and sound have come out of the decoders,
//   - adds each subtitle sample to a playing video and checks that its track appears with a codec;
// or, for the encoding matrix, adds each subtitle file of a list and checks that the core shows its
// first cue exactly. Prints one PASS or FAIL line per check; the exit code is the number of failures
// (capped).
//
// Usage: format_probe --recipes   prints "extension TAB ffmpeg arguments" for each video sample
//        format_probe FOLDER [OPTIONS]
//                                 runs the checks; the video samples are FOLDER\sample.EXTENSION,
//                                 the subtitle samples are written into FOLDER\subtitles; OPTIONS are more
//                                 libmpv options, "name=value;..." (log-file=... to see why)
//        format_probe --encodings FOLDER LIST [OPTIONS]
//                                 LIST\expected.txt holds "FILE TAB ENCODING TAB FIRST CUE" lines ("|"
//                                 between the cue's lines) for subtitle files in LIST, each added to
//                                 FOLDER\sample.mkv
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/wide_win.h"
#include "e2e/format_samples.h"
#include "player/commands.h"
#include "player/configure.h"
#include "player/loader_win.h"
#include "support/temp_appdata_win.h"

namespace {

int g_failed = 0;

// Prints a check's PASS or FAIL line: "format: WHAT" or, from the encoding matrix, "encoding: WHAT".
void report(bool ok, const std::string& what, const std::string& detail, const char* matrix = "format") {
    if (!ok) ++g_failed;
    std::printf("%s  %s: %s%s%s%s\n", ok ? "PASS" : "FAIL", matrix, what.c_str(), detail.empty() ? "" : " (",
                detail.c_str(), detail.empty() ? "" : ")");
    std::fflush(stdout);
}

std::string property(const Core& core, std::string_view name) { return read_string_property(core, name).value_or(""); }

std::vector<std::string_view> words(std::string_view text, char separator) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const size_t end = std::min(text.find(separator), text.size());
        if (end > 0) out.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return out;
}

// --------------------------------------------------------------- the bitmap subtitle samples
using Bytes = std::string;

void put16(Bytes& out, unsigned value) {
    out += static_cast<char>(value >> 8 & 0xff);
    out += static_cast<char>(value & 0xff);
}

// A Blu-ray PGS stream: a display set (composition, window, palette, a 16×4 object of palette entry
// 1, end) at 0 s, and one that clears it at 2 s, which gives the picture its end as on a disc.
Bytes pgs_sample() {
    const auto segment = [](Bytes& out, unsigned char type, const Bytes& data, unsigned seconds) {
        out += "PG";
        const unsigned ticks = seconds * 90000;  // presentation and decoding time, 90 kHz
        put16(out, ticks >> 16), put16(out, ticks & 0xffff), put16(out, ticks >> 16), put16(out, ticks & 0xffff);
        out += static_cast<char>(type);
        put16(out, static_cast<unsigned>(data.size()));
        out += data;
    };
    const auto composition = [](unsigned number, bool with_object) {
        Bytes data;
        put16(data, 720), put16(data, 480);
        data += '\x10';  // frame rate code
        put16(data, number);
        data += with_object ? std::string("\x80\x00\x00\x01", 4)   // epoch start, palette 0, one object
                            : std::string("\x00\x00\x00\x00", 4);  // normal, no object: clears
        if (with_object) {
            put16(data, 0), data += '\0', data += '\0';  // object 0 in window 0, not cropped
            put16(data, 100), put16(data, 100);
        }
        return data;
    };
    Bytes window("\x01\x00", 2);
    put16(window, 100), put16(window, 100), put16(window, 16), put16(window, 4);
    const Bytes palette("\x00\x00\x01\xeb\x80\x80\xff", 7);  // palette 0 v0: entry 1 opaque white
    Bytes rle;
    for (int line = 0; line < 4; ++line) rle += std::string("\x00\x90\x01\x00\x00", 5);  // 16 × entry 1, end
    Bytes object;
    put16(object, 0), object += '\0', object += '\xc0';  // object 0 v0, first and last fragment
    const unsigned length = static_cast<unsigned>(rle.size()) + 4;
    object += static_cast<char>(length >> 16 & 0xff), put16(object, length & 0xffff);
    put16(object, 16), put16(object, 4);
    object += rle;
    Bytes out;
    segment(out, 0x16, composition(0, true), 0);
    segment(out, 0x17, window, 0);
    segment(out, 0x14, palette, 0);
    segment(out, 0x15, object, 0);
    segment(out, 0x80, {}, 0);
    segment(out, 0x16, composition(1, false), 2);
    segment(out, 0x17, window, 2);
    segment(out, 0x80, {}, 2);
    return out;
}

// A VobSub pair: the .sub is one MPEG program-stream pack holding a DVD subpicture (16×2 pixels of
// colour 1, shown at once) in private stream 1, substream 0x20; the .idx points at it.
Bytes vobsub_sample() {
    Bytes spu;
    put16(spu, 0);                              // size, filled in below
    put16(spu, 0);                              // control sequence offset, filled in below
    spu += std::string("\x04\x10\x04\x10", 4);  // each field's line: 16 pixels of colour 1
    const unsigned control = static_cast<unsigned>(spu.size());
    put16(spu, 0), put16(spu, control);                 // at once; the last control sequence points at itself
    spu += std::string("\x03\x01\x23\x04\xff\xf0", 6);  // colours, contrast
    spu += std::string("\x05\x00\x00\x0f\x00\x00\x01\x06\x00\x04\x00\x06", 12);  // area, field offsets
    spu += std::string("\x01\xff", 2);                                           // start display, end
    spu[0] = static_cast<char>(spu.size() >> 8), spu[1] = static_cast<char>(spu.size() & 0xff);
    spu[2] = static_cast<char>(control >> 8), spu[3] = static_cast<char>(control & 0xff);

    Bytes pes("\x81\x80\x05\x21\x00\x01\x00\x01\x20", 9);  // presentation time 0, substream 0x20
    pes += spu;
    Bytes pack("\x00\x00\x01\xba\x44\x00\x04\x00\x04\x01\x01\x89\xc3\xf8", 14);
    pack += std::string("\x00\x00\x01\xbd", 4);
    put16(pack, static_cast<unsigned>(pes.size()));
    return pack + pes;
}

constexpr std::string_view kVobSubIndex =
    "# VobSub index file, v7 (do not modify this line!)\nsize: 720x480\npalette: 000000, ffffff, 808080, 000000, "
    "000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000\n"
    "id: en, index: 0\ntimestamp: 00:00:00:000, filepos: 000000000\n";

// Writes the subtitle sample of `sample` into the folder; returns the file to add.
std::string write_subtitle_sample(const std::string& folder, const FormatSample& sample) {
    const std::string path = folder + "\\sample." + std::string(sample.extension);
    bool written = false;
    if (sample.extension == "sup") {
        written = write_file(path, pgs_sample());
    } else if (sample.extension == "idx") {
        // The index names its pictures by its own name with .sub, and sample.sub is MicroDVD's
        // sample: the pair gets a folder of its own.
        const std::string pair = folder + "\\vobsub";
        CreateDirectoryW(wide(pair).c_str(), nullptr);
        const bool pair_written = write_file(pair + "\\sample.idx", std::string(kVobSubIndex)) &&
                                  write_file(pair + "\\sample.sub", vobsub_sample());
        return pair_written ? pair + "\\sample.idx" : std::string();
    } else {
        written = write_file(path, std::string(sample.recipe));
    }
    return written ? path : std::string();
}

// ------------------------------------------------------------------------------- the checks
void check_table_against_the_library(const Core& core) {
    const std::string demuxers = property(core, "demuxer-lavf-list");
    const std::string decoders = property(core, "decoder-list");
    report(!demuxers.empty() && !decoders.empty(), "the library lists its demuxers and decoders", "");
    for (const FormatSample& sample : kFormatSamples) {
        std::string missing;
        bool has_demuxer = false;
        for (std::string_view name : words(demuxers, ','))
            if (name == sample.demuxer) has_demuxer = true;
        if (!has_demuxer) missing += " demuxer " + std::string(sample.demuxer);
        // The list holds the audio and video decoders; a subtitle sample's decoding shows when it plays.
        const bool video = sample.kind == SampleKind::video;
        for (std::string_view codec : words(video ? sample.codecs : "", ' '))
            if (decoders.find("\"codec\":\"" + std::string(codec) + "\"") == std::string::npos)
                missing += " " + std::string(codec);
        report(missing.empty(),
               "." + std::string(sample.extension) + ": the library reads " + std::string(sample.demuxer) +
                   (video ? " with " + std::string(sample.codecs) : ""),
               missing.empty() ? "" : "missing:" + missing);
    }
}

// Waits until the loaded file has put out a few video frames and configured its audio, or failed.
bool wait_until_playing(const Core& core, std::string& detail) {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    bool loaded = false;
    while (GetTickCount64() < deadline) {
        const mpv_event* event = core.api.mpv_wait_event(core.handle, 0.1);
        if (event->event_id == MPV_EVENT_FILE_LOADED) loaded = true;
        if (event->event_id == MPV_EVENT_END_FILE) {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            if (end->reason == MPV_END_FILE_REASON_ERROR) {
                detail = "the load failed with error " + std::to_string(end->error);
                return false;
            }
        }
        if (!loaded) continue;
        const std::string video = property(core, "current-tracks/video/codec");
        const std::string audio = property(core, "current-tracks/audio/codec");
        const int64_t frames = read_int_property(core, "estimated-frame-number");
        if (!video.empty() && !audio.empty() && frames >= 3 && !property(core, "video-params/w").empty() &&
            !property(core, "audio-params/samplerate").empty()) {
            detail = video + ", " + audio + ", " + std::to_string(frames) + " frames";
            return true;
        }
    }
    detail = loaded ? "no frames and sound within 20 s: video '" + property(core, "current-tracks/video/codec") +
                          "', audio '" + property(core, "current-tracks/audio/codec") + "', frame " +
                          property(core, "estimated-frame-number")
                    : "not loaded within 20 s";
    return false;
}

void play_video_samples(const Core& core, const std::string& folder) {
    for (const FormatSample& sample : kFormatSamples) {
        if (sample.kind != SampleKind::video) continue;
        const std::string path = folder + "\\sample." + std::string(sample.extension);
        std::string detail;
        const bool played = core_command(core, {"loadfile", path, "replace"}) >= 0 && wait_until_playing(core, detail);
        report(played, "." + std::string(sample.extension) + " plays", detail);
    }
}

struct AddedSubtitle {
    std::string failure;  // empty when the video played and "sub-add" succeeded
    std::string codec;
    bool external = false;
    bool shown = false;
    std::string text;
};

// Plays FOLDER\sample.mkv from its start and adds `file` as its selected subtitle track, as a user
// drops a subtitle file onto a film that has just begun; waits up to five seconds for it to show.
AddedSubtitle add_to_playing_video(const Core& core, const std::string& folder, const std::string& file) {
    AddedSubtitle added;
    std::string detail;
    if (core_command(core, {"loadfile", folder + "\\sample.mkv", "replace"}) < 0 || !wait_until_playing(core, detail)) {
        added.failure = "the video does not play: " + detail;
        return added;
    }
    if (const int status = core_command(core, {"sub-add", file, "select"}); status < 0) {
        added.failure = "sub-add failed with " + std::to_string(status);
        return added;
    }
    added.codec = property(core, "current-tracks/sub/codec");
    added.external = property(core, "current-tracks/sub/external") == "yes";
    for (const ULONGLONG deadline = GetTickCount64() + 5000; !added.shown && GetTickCount64() < deadline;) {
        core.api.mpv_wait_event(core.handle, 0.05);
        added.shown = !property(core, "sub-start").empty() || !property(core, "sub-text").empty();
    }
    added.text = property(core, "sub-text");
    return added;
}

void add_subtitle_samples(const Core& core, const std::string& folder) {
    // Beside the video the core would load them itself ("sub-auto") and keep them open.
    const std::string subtitles = folder + "\\subtitles";
    CreateDirectoryW(wide(subtitles).c_str(), nullptr);
    for (const FormatSample& sample : kFormatSamples) {
        if (sample.kind != SampleKind::subtitle) continue;
        const std::string what = "." + std::string(sample.extension) + " subtitles added to a playing video show";
        const std::string file = write_subtitle_sample(subtitles, sample);
        if (file.empty()) {
            report(false, what, "cannot write the sample");
            continue;
        }
        // Every sample shows its first picture or line from 0 s to 2 s.
        const AddedSubtitle added = add_to_playing_video(core, folder, file);
        report(added.failure.empty() && !added.codec.empty() && added.external && added.shown, what,
               !added.failure.empty() ? added.failure
                                      : "codec '" + added.codec + "'" + (added.shown ? ", shown" : ", nothing shown") +
                                            (added.text.empty() ? "" : ": " + added.text));
    }
}

// The encoding matrix: each file of the list must show its first cue exactly, whatever encoding it
// is in. Its first cue lasts past the video's two seconds.
void check_encodings(const Core& core, const std::string& folder, const std::string& list) {
    const std::string lines = read_file(list + "\\expected.txt").value_or("");
    report(!lines.empty(), "the list of files is there", list + "\\expected.txt", "encoding");
    for (std::string_view line : words(lines, '\n')) {
        const std::vector<std::string_view> fields = words(line, '\t');
        if (fields.size() != 3) continue;
        AddedSubtitle added = add_to_playing_video(core, folder, list + "\\" + std::string(fields[0]));
        for (char& c : added.text)
            if (c == '\n') c = '|';  // as the list writes a cue's lines, and one line per check
        report(added.failure.empty() && added.text == fields[2],
               std::string(fields[0]) + " in " + std::string(fields[1]) + " shows its first cue",
               !added.failure.empty()    ? added.failure
               : added.text == fields[2] ? ""
                                         : "expected \"" + std::string(fields[2]) + "\", shown \"" + added.text + "\"",
               "encoding");
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wstring_view(argv[1]) == L"--recipes") {
        for (const FormatSample& sample : kFormatSamples)
            if (sample.kind == SampleKind::video)
                std::printf("%.*s\t%.*s\n", static_cast<int>(sample.extension.size()), sample.extension.data(),
                            static_cast<int>(sample.recipe.size()), sample.recipe.data());
        return 0;
    }
    const bool encodings = argc >= 4 && std::wstring_view(argv[1]) == L"--encodings";
    if (encodings ? argc > 5 : argc != 2 && argc != 3) {
        std::fputs(
            "usage: format_probe --recipes | format_probe FOLDER [OPTIONS] | "
            "format_probe --encodings FOLDER LIST [OPTIONS]\n",
            stderr);
        return 100;
    }
    const int first = encodings ? 2 : 1;  // FOLDER's argument; OPTIONS come last
    const std::string folder = narrow(argv[first]);
    auto loaded = load_core();
    if (auto* failure = std::get_if<LoadFailure>(&loaded)) {
        report(false, "the library loads", failure->detail);
        return 1;
    }
    const Core core = std::get<Core>(loaded);
    CoreSetup setup;
    setup.watch_later_directory = folder + "\\watch_later";
    const int options = encodings ? 4 : 2;
    setup.user_options = "vo=null;ao=null" + (argc > options ? ";" + narrow(argv[options]) : std::string());
    if (const auto status = configure_core(core, setup, nullptr, nullptr)) {
        report(false, "the library starts with the program's options", "mpv_initialize " + std::to_string(*status));
        return 1;
    }
    if (encodings) {
        check_encodings(core, folder, narrow(argv[3]));
    } else {
        check_table_against_the_library(core);
        play_video_samples(core, folder);
        add_subtitle_samples(core, folder);
    }
    core.api.mpv_terminate_destroy(core.handle);
    return g_failed > 99 ? 99 : g_failed;
}
