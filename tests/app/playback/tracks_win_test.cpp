#include "app/playback/tracks_win.h"

#include "support/program_windows_win.h"

namespace {

using Calls = std::vector<std::string>;

struct Tracks : PlaybackWindows {
    int count = 0;
    void add(const std::map<std::string, std::string>& fields) {
        for (const auto& [field, value] : fields)
            recorder.properties["track-list/" + std::to_string(count) + "/" + field] = value;
        recorder.properties["track-list/count"] = std::to_string(++count);
    }
    // The show-text calls only, without the property reads around them.
    Calls messages() const {
        Calls out;
        for (const auto& c : recorder.calls)
            if (c.rfind("async 0 [show-text]", 0) == 0 || c.rfind("command [set]", 0) == 0) out.push_back(c);
        return out;
    }
};

TEST_F(Tracks, ListNeedsTheCore) {
    add({{"type", "audio"}, {"id", "1"}});
    EXPECT_EQ(list_tracks(app, TrackKind::audio).size(), 1u);
    app.core.reset();
    EXPECT_TRUE(list_tracks(app, TrackKind::audio).empty());
}

TEST_F(Tracks, SelectAudioShowsItsLabel) {
    add({{"type", "video"}, {"id", "1"}});
    add({{"type", "audio"}, {"id", "1"}, {"lang", "eng"}, {"codec", "aac"}, {"demux-channel-count", "2"}});
    add({{"type", "audio"}, {"id", "2"}, {"lang", "fre"}, {"title", "Commentaire"}, {"default", "yes"}});
    EXPECT_TRUE(select_track(app, TrackKind::audio, 2));
    EXPECT_EQ(messages(),
              (Calls{"command [set] [aid] [2]", "async 0 [show-text] [Audio: French — Commentaire [default]] [2000]"}));
    EXPECT_FALSE(app.playback.subtitles_on);  // audio leaves the subtitle state alone

    recorder.calls.clear();
    set_active_language(Language::french);
    select_track(app, TrackKind::audio, 1);
    EXPECT_EQ(messages(),
              (Calls{"command [set] [aid] [1]", "async 0 [show-text] [Audio : Anglais (aac, stéréo)] [2000]"}));
}

TEST_F(Tracks, SubtitlesOffAndOn) {
    add({{"type", "sub"}, {"id", "3"}, {"codec", "subrip"}, {"external", "yes"}});
    app.playback.subtitles_on = true;
    select_track(app, TrackKind::subtitle, 0);
    EXPECT_FALSE(app.playback.subtitles_on);
    select_track(app, TrackKind::subtitle, 3);
    EXPECT_TRUE(app.playback.subtitles_on);
    set_active_language(Language::french);
    select_track(app, TrackKind::subtitle, 0);
    select_track(app, TrackKind::subtitle, -7);  // no such track: announced as off, but the id went to the core
    EXPECT_TRUE(app.playback.subtitles_on);
    EXPECT_EQ(messages(), (Calls{
                              "command [set] [sid] [no]",
                              "async 0 [show-text] [Subtitles: off] [2000]",
                              "command [set] [sid] [3]",
                              "async 0 [show-text] [Subtitles: Track 3 (subrip) [external]] [2000]",
                              "command [set] [sid] [no]",
                              "async 0 [show-text] [Sous-titres : désactivés] [2000]",
                              "command [set] [sid] [-7]",
                              "async 0 [show-text] [Sous-titres : désactivés] [2000]",
                          }));
}

TEST_F(Tracks, UnreadableIdSelectsOff) {
    add({{"type", "sub"}, {"lang", "ger"}});  // its id cannot be read: 0
    select_track(app, TrackKind::subtitle, list_tracks(app, TrackKind::subtitle).at(0).id);
    EXPECT_EQ(messages(), (Calls{"command [set] [sid] [no]", "async 0 [show-text] [Subtitles: off] [2000]"}));
    EXPECT_FALSE(app.playback.subtitles_on);
}

TEST_F(Tracks, CycleNeedsALoadedFile) {
    add({{"type", "audio"}, {"id", "1"}});
    add({{"type", "audio"}, {"id", "2"}});
    cycle_track(app, TrackKind::audio);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Tracks, CycleAudio) {
    app.playback.file_loaded = true;
    add({{"type", "audio"}, {"id", "1"}});
    add({{"type", "audio"}, {"id", "2"}});
    add({{"type", "audio"}, {"id", "3"}, {"selected", "yes"}});
    cycle_track(app, TrackKind::audio);
    EXPECT_EQ(messages(), (Calls{"command [set] [aid] [1]", "async 0 [show-text] [Audio: Track 1] [2000]"}));
}

TEST_F(Tracks, CycleSubtitlesPassesThroughOff) {
    app.playback.file_loaded = true;
    add({{"type", "sub"}, {"id", "1"}});
    add({{"type", "sub"}, {"id", "2"}, {"selected", "yes"}});
    cycle_track(app, TrackKind::subtitle);
    EXPECT_EQ(messages(), (Calls{"command [set] [sid] [no]", "async 0 [show-text] [Subtitles: off] [2000]"}));
    EXPECT_FALSE(app.playback.subtitles_on);
}

TEST_F(Tracks, NothingToCycle) {
    app.playback.file_loaded = true;
    cycle_track(app, TrackKind::audio);
    cycle_track(app, TrackKind::subtitle);
    add({{"type", "audio"}, {"id", "1"}, {"selected", "yes"}});
    cycle_track(app, TrackKind::audio);
    set_active_language(Language::french);
    cycle_track(app, TrackKind::audio);
    cycle_track(app, TrackKind::subtitle);
    EXPECT_EQ(messages(), (Calls{
                              "async 0 [show-text] [Only one audio track] [2000]",
                              "async 0 [show-text] [No subtitles (right-click to load a file)] [2000]",
                              "async 0 [show-text] [Only one audio track] [2000]",
                              "async 0 [show-text] [Une seule piste audio] [2000]",
                              "async 0 [show-text] [Aucun sous-titre (clic droit pour charger un fichier)] [2000]",
                          }));
}

TEST_F(Tracks, HugeCountWithFailingReadsEndsAtOnce) {
    app.playback.file_loaded = true;
    recorder.properties["track-list/count"] = "1000000000";
    cycle_track(app, TrackKind::subtitle);
    EXPECT_EQ(recorder.calls, (Calls{"get track-list/count", "get track-list/0/type",
                                     "async 0 [show-text] [No subtitles (right-click to load a file)] [2000]"}));
}

}  // namespace
