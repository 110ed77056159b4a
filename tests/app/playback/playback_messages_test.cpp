#include "app/playback/playback_messages.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/settings/language.h"

namespace {

struct LanguageGuard {
    explicit LanguageGuard(Language language) { set_active_language(language); }
    ~LanguageGuard() { set_active_language(Language::english); }
};

struct MessageCase {
    const char* what;
    std::function<std::string()> build;
    const char* en;
    const char* fr;
};

// Every text byte for byte: "×" is U+00D7, the guillemets U+00AB/U+00BB, all spaces U+0020.
TEST(PlaybackMessages, BothLanguagesExactly) {
    const MessageCase cases[] = {
        {"cannot play", [] { return cannot_play_message("C:\\Vídeos\\a b.mkv"); },
         "Cannot play \"C:\\Vídeos\\a b.mkv\"", "Impossible de lire « C:\\Vídeos\\a b.mkv »"},
        {"resume long", [] { return resume_message(3725.4); }, "Resuming at 1:02:05", "Reprise à 1:02:05"},
        {"resume short", [] { return resume_message(65); }, "Resuming at 1:05", "Reprise à 1:05"},
        {"resume under ten", [] { return resume_message(9.9); }, "Resuming at 0:09", "Reprise à 0:09"},
        {"volume", [] { return volume_message(55); }, "Volume: 55%", "Volume : 55 %"},
        {"volume zero", [] { return volume_message(-0.0); }, "Volume: 0%", "Volume : 0 %"},
        {"volume full", [] { return volume_message(100); }, "Volume: 100%", "Volume : 100 %"},
        {"muted", [] { return mute_message(true); }, "Muted", "Muet"},
        {"unmuted", [] { return mute_message(false); }, "Sound on", "Son activé"},
        {"speed", [] { return speed_message(1.25); }, "Speed: ×1.25", "Vitesse : ×1.25"},
        {"speed whole", [] { return speed_message(2); }, "Speed: ×2", "Vitesse : ×2"},
        {"speed half", [] { return speed_message(0.5); }, "Speed: ×0.5", "Vitesse : ×0.5"},
        {"subtitle added", [] { return subtitle_added_message("D:\\s.srt"); }, "Subtitles: D:\\s.srt",
         "Sous-titres : D:\\s.srt"},
        {"subtitle refused", [] { return subtitle_refused_message(); }, "Cannot load this subtitle file",
         "Impossible de charger ce fichier de sous-titres"},
        {"audio selected", [] { return track_selected_message(TrackKind::audio, "English (aac)"); },
         "Audio: English (aac)", "Audio : English (aac)"},
        {"subtitles selected", [] { return track_selected_message(TrackKind::subtitle, "x"); }, "Subtitles: x",
         "Sous-titres : x"},
        {"one audio track", [] { return single_track_message(TrackKind::audio); }, "Only one audio track",
         "Une seule piste audio"},
        {"no subtitles", [] { return single_track_message(TrackKind::subtitle); },
         "No subtitles (right-click to load a file)", "Aucun sous-titre (clic droit pour charger un fichier)"},
        {"cannot load", [] { return cannot_load_message("C:\\p\\libmpv-2.dll"); }, "Cannot load C:\\p\\libmpv-2.dll",
         "Impossible de charger C:\\p\\libmpv-2.dll"},
        {"function missing", [] { return function_missing_message("mpv_free"); },
         "Function missing from libmpv: mpv_free", "Fonction absente de libmpv : mpv_free"},
        {"create failed", [] { return create_failed_message(); }, "mpv_create failed", "mpv_create a échoué"},
        {"initialize failed", [] { return initialize_failed_message(-5); }, "mpv_initialize failed (-5)",
         "mpv_initialize a échoué (-5)"},
    };
    for (const auto& c : cases) {
        {
            LanguageGuard english(Language::english);
            EXPECT_EQ(c.build(), c.en) << c.what;
        }
        {
            LanguageGuard french(Language::french);
            EXPECT_EQ(c.build(), c.fr) << c.what;
        }
    }
}

TEST(PlaybackMessages, PickedWhenBuiltNotWhenShown) {
    std::string built;
    {
        LanguageGuard french(Language::french);
        built = mute_message(true);
    }
    EXPECT_EQ(built, "Muet");
}

TEST(PlaybackMessages, ResumeClockAtTheEdges) {
    const struct {
        double position;
        const char* text;
    } cases[] = {
        {3599.99, "Resuming at 59:59"},
        {3600, "Resuming at 1:00:00"},
        {360000, "Resuming at 100:00:00"},
        {-7, "Resuming at 0:00"},
        {std::numeric_limits<double>::quiet_NaN(), "Resuming at 0:00"},
        {std::numeric_limits<double>::infinity(), "Resuming at 5124095576030431:00:15"},
    };
    for (const auto& c : cases) EXPECT_EQ(resume_message(c.position), c.text) << c.position;
}

}  // namespace
