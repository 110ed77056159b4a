#include "app/playback/track_labels.h"

#include <gtest/gtest.h>

#include "app/settings/language.h"
#include "player/track_list.h"
#include "support/recording_core.h"

namespace {

struct LanguageGuard {
    explicit LanguageGuard(Language language) { set_active_language(language); }
    ~LanguageGuard() { set_active_language(Language::english); }
};

std::string in(Language language, const Track& track) {
    LanguageGuard guard(language);
    return track_label(track);
}

Track make(int64_t id, const char* lang, const char* title, const char* codec, int64_t channels, bool external = false,
           bool is_default = false) {
    Track t;
    t.id = id;
    t.lang = lang;
    t.title = title;
    t.codec = codec;
    t.channels = channels;
    t.external = external;
    t.is_default = is_default;
    return t;
}

TEST(TrackLabels, BothLanguages) {
    const struct {
        Track track;
        const char* en;
        const char* fr;
    } cases[] = {
        {make(1, "eng", "Commentary", "aac", 2, false, true), "English — Commentary (aac, stereo) [default]",
         "Anglais — Commentary (aac, stéréo) [défaut]"},
        {make(3, "", "", "subrip", 0, true), "Track 3 (subrip) [external]", "Piste 3 (subrip) [externe]"},
        {make(2, "FRE", "", "", 0), "French", "Français"},
        {make(4, "und", "Signs", "ass", 0), "Signs (ass)", "Signs (ass)"},
        {make(5, "und", "", "", 0), "Track 5", "Piste 5"},
        {make(6, "en", "English", "", 0), "English", "Anglais — English"},
        {make(7, "", "Director", "", 0), "Director", "Director"},
        {make(8, "pol", "", "opus", 6), "pol (opus, 5.1)", "pol (opus, 5.1)"},
        {make(9, "EN-us", "", "", 8), "en-us (7.1)", "en-us (7.1)"},
        {make(10, "", "", "", 3), "Track 10 (3 channels)", "Piste 10 (3 canaux)"},
        {make(11, "", "", "", 1), "Track 11 (mono)", "Piste 11 (mono)"},
        {make(12, "", "", "", -2), "Track 12 (-2 channels)", "Piste 12 (-2 canaux)"},
        {make(-4, "", "", "", 0, true, true), "Track -4 [external] [default]", "Piste -4 [externe] [défaut]"},
        {make(0, "de", "", "flac", 2), "German (flac, stereo)", "Allemand (flac, stéréo)"},
        {make(13, "nld", "", "", 0), "Dutch", "Néerlandais"},
        {make(14, "kor", "", "", 0), "Korean", "Coréen"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(in(Language::english, c.track), c.en);
        EXPECT_EQ(in(Language::french, c.track), c.fr);
    }
}

TEST(TrackLabels, SelectedNeverShows) {
    Track t = make(1, "eng", "", "aac", 2);
    const std::string plain = track_label(t);
    t.selected = true;
    EXPECT_EQ(track_label(t), plain);
}

TEST(LanguageNames, EveryCodeAndItsLowerCasing) {
    const struct {
        const char* code;
        const char* en;
        const char* fr;
    } cases[] = {
        {"fr", "French", "Français"},
        {"fre", "French", "Français"},
        {"FRA", "French", "Français"},
        {"en", "English", "Anglais"},
        {"Eng", "English", "Anglais"},
        {"de", "German", "Allemand"},
        {"ger", "German", "Allemand"},
        {"deu", "German", "Allemand"},
        {"es", "Spanish", "Espagnol"},
        {"spa", "Spanish", "Espagnol"},
        {"it", "Italian", "Italien"},
        {"ita", "Italian", "Italien"},
        {"pt", "Portuguese", "Portugais"},
        {"por", "Portuguese", "Portugais"},
        {"nl", "Dutch", "Néerlandais"},
        {"dut", "Dutch", "Néerlandais"},
        {"nld", "Dutch", "Néerlandais"},
        {"ru", "Russian", "Russe"},
        {"rus", "Russian", "Russe"},
        {"ja", "Japanese", "Japonais"},
        {"jpn", "Japanese", "Japonais"},
        {"zh", "Chinese", "Chinois"},
        {"chi", "Chinese", "Chinois"},
        {"zho", "Chinese", "Chinois"},
        {"ko", "Korean", "Coréen"},
        {"kor", "Korean", "Coréen"},
        {"ar", "Arabic", "Arabe"},
        {"ara", "Arabic", "Arabe"},
        {"und", "", ""},
        {"UND", "", ""},
        {"pol", "pol", "pol"},
        {"EN-us", "en-us", "en-us"},
        {"e", "e", "e"},
        {"engl", "engl", "engl"},
        {"", "", ""},
        {"ÉN", "Én", "Én"},
    };
    for (const auto& c : cases) {
        {
            LanguageGuard g(Language::english);
            EXPECT_EQ(language_name(c.code), c.en) << c.code;
        }
        {
            LanguageGuard g(Language::french);
            EXPECT_EQ(language_name(c.code), c.fr) << c.code;
        }
    }
    // A code with an embedded zero byte is not "en".
    EXPECT_EQ(language_name(std::string("e\0n", 3)), std::string("e\0n", 3));
}

TEST(TrackSelection, LabelOrOff) {
    const std::vector<Track> tracks = {make(1, "eng", "", "", 0), make(0, "fre", "", "", 0), make(2, "", "", "", 0)};
    EXPECT_EQ(selection_label(tracks, 1), "English");
    EXPECT_EQ(selection_label(tracks, 2), "Track 2");
    // Id 0 means "off" even when a track's id could not be read (and so is 0).
    EXPECT_EQ(selection_label(tracks, 0), "off");
    EXPECT_EQ(selection_label(tracks, 9), "off");
    LanguageGuard g(Language::french);
    EXPECT_EQ(selection_label(tracks, 9), "désactivés");
}

std::vector<Track> with_ids(std::initializer_list<int64_t> ids, int64_t selected) {
    std::vector<Track> tracks;
    for (const int64_t id : ids) {
        Track t;
        t.id = id;
        t.selected = id == selected && selected != -99;
        tracks.push_back(t);
    }
    return tracks;
}

TEST(TrackCycle, NextId) {
    constexpr int64_t kNone = -99;
    const struct {
        TrackKind kind;
        std::vector<Track> tracks;
        std::optional<int64_t> expected;
    } cases[] = {
        {TrackKind::subtitle, with_ids({1, 2}, kNone), 1},
        {TrackKind::subtitle, with_ids({1, 2}, 1), 2},
        {TrackKind::subtitle, with_ids({1, 2}, 2), 0},  // then off
        {TrackKind::subtitle, with_ids({4}, kNone), 4},
        {TrackKind::subtitle, with_ids({4}, 4), 0},
        {TrackKind::subtitle, {}, std::nullopt},
        {TrackKind::audio, with_ids({1, 2, 3}, 3), 1},
        {TrackKind::audio, with_ids({1, 2, 3}, 1), 2},
        {TrackKind::audio, with_ids({1, 2, 3}, kNone), 1},  // current 0 is not in the list: the first
        {TrackKind::audio, with_ids({1}, 1), std::nullopt},
        {TrackKind::audio, {}, std::nullopt},
        {TrackKind::audio, with_ids({5, 5, 6}, 5), 5},  // the first place of the current id counts
        {TrackKind::subtitle, with_ids({0, 2}, 0), 2},  // an unreadable id reads as 0 and is found first
    };
    for (const auto& c : cases) {
        const auto next = next_track_id(c.tracks, c.kind);
        EXPECT_EQ(next, c.expected) << (c.kind == TrackKind::audio ? "audio" : "sub") << " with " << c.tracks.size()
                                    << " tracks";
    }
}

TEST(TrackCycle, FirstSelectedTrackIsCurrent) {
    std::vector<Track> tracks = with_ids({1, 2, 3}, -99);
    tracks[1].selected = true;
    tracks[2].selected = true;
    EXPECT_EQ(next_track_id(tracks, TrackKind::audio), 3);
}

void add_track(RecordingCore& r, int index, const std::map<std::string, std::string>& fields) {
    for (const auto& [field, value] : fields) r.properties["track-list/" + std::to_string(index) + "/" + field] = value;
}

TEST(TrackList, ReadsTheKindInOrderWithFailureValues) {
    RecordingCore r;
    r.properties["track-list/count"] = "5";
    add_track(r, 0, {{"type", "video"}, {"id", "1"}});
    add_track(r, 1,
              {{"type", "audio"},
               {"id", "1"},
               {"lang", "eng"},
               {"title", "Main"},
               {"codec", "aac"},
               {"demux-channel-count", "6"},
               {"selected", "yes"},
               {"external", "no"},
               {"default", "yes"}});
    add_track(r, 2, {{"type", "sub"}, {"id", "3"}, {"external", "yes"}});
    // Nothing but the type: every field takes its failure value.
    add_track(r, 3, {{"type", "audio"}, {"selected", "Yes"}});
    add_track(r, 4, {{"type", "audio "}, {"id", "9"}});  // not "audio" byte for byte
    const Core core = r.core();

    const auto audio = read_tracks(core, TrackKind::audio);
    ASSERT_EQ(audio.size(), 2u);
    EXPECT_EQ(audio[0].id, 1);
    EXPECT_EQ(audio[0].lang, "eng");
    EXPECT_EQ(audio[0].title, "Main");
    EXPECT_EQ(audio[0].codec, "aac");
    EXPECT_EQ(audio[0].channels, 6);
    EXPECT_TRUE(audio[0].selected);
    EXPECT_FALSE(audio[0].external);
    EXPECT_TRUE(audio[0].is_default);
    EXPECT_EQ(audio[1].id, 0);
    EXPECT_EQ(audio[1].title, "");
    EXPECT_EQ(audio[1].channels, 0);
    EXPECT_FALSE(audio[1].selected);  // only exactly "yes"
    EXPECT_EQ(track_label(audio[1]), "Track 0");

    const auto subs = read_tracks(core, TrackKind::subtitle);
    ASSERT_EQ(subs.size(), 1u);
    EXPECT_EQ(subs[0].id, 3);
    EXPECT_TRUE(subs[0].external);
    EXPECT_EQ(r.outstanding_strings, 0);
}

TEST(TrackList, FieldsAreReadInOrder) {
    RecordingCore r;
    r.properties["track-list/count"] = "1";
    add_track(r, 0, {{"type", "sub"}});
    read_tracks(r.core(), TrackKind::subtitle);
    EXPECT_EQ(r.calls,
              (std::vector<std::string>{"get track-list/count", "get track-list/0/type", "get track-list/0/id",
                                        "get track-list/0/title", "get track-list/0/lang", "get track-list/0/codec",
                                        "get track-list/0/demux-channel-count", "get track-list/0/selected",
                                        "get track-list/0/external", "get track-list/0/default"}));
}

TEST(TrackList, InvalidUtf8IsRepairedAndFreed) {
    RecordingCore r;
    r.properties["track-list/count"] = "1";
    add_track(r, 0, {{"type", "sub"}, {"title", "Sous\xE9titres\xC3"}, {"lang", "\xFF"}});
    const auto subs = read_tracks(r.core(), TrackKind::subtitle);
    ASSERT_EQ(subs.size(), 1u);
    EXPECT_EQ(subs[0].title, "Sous\xEF\xBF\xBDtitres\xEF\xBF\xBD");
    EXPECT_EQ(track_label(subs[0]), "\xEF\xBF\xBD \xE2\x80\x94 Sous\xEF\xBF\xBDtitres\xEF\xBF\xBD");
    EXPECT_EQ(r.outstanding_strings, 0);
}

TEST(TrackList, CountsThatCannotBeTrusted) {
    const struct {
        const char* count;  // nullptr: unreadable
        size_t expected_calls;
    } cases[] = {
        {nullptr, 1},
        {"-1", 1},
        {"0", 1},
        {"-9223372036854775808", 1},
        // Reads failing behind an absurd count: the first unreadable entry ends the list.
        {"1000000000", 2},
        {"9223372036854775807", 2},
    };
    for (const auto& c : cases) {
        RecordingCore r;
        if (c.count) r.properties["track-list/count"] = c.count;
        EXPECT_TRUE(read_tracks(r.core(), TrackKind::audio).empty()) << (c.count ? c.count : "unreadable");
        EXPECT_EQ(r.calls.size(), c.expected_calls) << (c.count ? c.count : "unreadable");
    }
}

TEST(TrackList, ListThatShrankEndsAtTheFirstMissingEntry) {
    RecordingCore r;
    r.properties["track-list/count"] = "4";
    add_track(r, 0, {{"type", "audio"}, {"id", "1"}});
    add_track(r, 1, {{"type", "audio"}, {"id", "2"}});
    const auto audio = read_tracks(r.core(), TrackKind::audio);
    ASSERT_EQ(audio.size(), 2u);
    EXPECT_EQ(r.calls.back(), "get track-list/2/type");
}

}  // namespace
