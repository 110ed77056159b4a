#include "ui/bar/bar_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "app/settings/language.h"

namespace {

PlaybackState loaded(double position, double duration) {
    PlaybackState p;
    p.file_loaded = true;
    p.position = position;
    p.duration = duration;
    return p;
}

struct TimeCase {
    PlaybackState playback;
    bool dragging;
    double fraction;
    const char* expected;
};

TEST(BarTimeText, Forms) {
    PlaybackState nothing;
    PlaybackState nothing_fast;
    nothing_fast.speed = 2;
    PlaybackState unknown_duration = loaded(3725, 0);
    PlaybackState slow = loaded(61, 120);
    slow.speed = 0.25;
    PlaybackState almost_normal = loaded(61, 120);
    almost_normal.speed = 1.005;
    PlaybackState one_and_half = loaded(0, 59);
    one_and_half.speed = 1.5;
    PlaybackState duration_only;  // a duration reported before the file counts as loaded
    duration_only.duration = 90;
    duration_only.position = 12;

    const TimeCase cases[] = {
        {loaded(75.9, 3599), false, 0, "1:15 / 59:59"},
        {loaded(30, 7200), false, 0, "0:00:30 / 2:00:00"},
        {unknown_duration, false, 0, "1:02:05 / 0:00"},
        {loaded(3599.99, 3599.99), false, 0, "59:59 / 59:59"},
        {loaded(3600, 3599), false, 0, "1:00:00 / 59:59"},
        {loaded(-3, 100), false, 0, "0:00 / 1:40"},
        {loaded(std::nan(""), 100), false, 0, "0:00 / 1:40"},
        {loaded(10, 600), true, 0.5, "5:00 / 10:00"},
        {loaded(10, 7200), true, 1, "2:00:00 / 2:00:00"},
        {duration_only, false, 0, "0:12 / 1:30"},
        {nothing, false, 0, "—"},
        {nothing_fast, false, 0, "—   ×2"},
        {slow, false, 0, "1:01 / 2:00   ×0.25"},
        {almost_normal, false, 0, "1:01 / 2:00"},
        {one_and_half, false, 0, "0:00 / 0:59   ×1.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(bar_time_text(c.playback, c.dragging, c.fraction), c.expected);
}

TEST(BarTimeText, HugeValuesSaturate) {
    const PlaybackState p = loaded(1e300, 1e300);
    EXPECT_EQ(bar_time_text(p, false, 0), "5124095576030431:00:15 / 5124095576030431:00:15");
}

struct GlyphCase {
    uint8_t id;
    PlaybackState playback;
    bool fullscreen;
    char16_t glyph;
};

TEST(BarGlyphs, ChoiceByState) {
    PlaybackState playing = loaded(1, 10);
    PlaybackState paused = playing;
    paused.paused = true;
    PlaybackState ended = playing;
    ended.eof_reached = true;
    auto volume = [](double v, bool muted) {
        PlaybackState p;
        p.current_volume = v;
        p.muted = muted;
        return p;
    };
    const GlyphCase cases[] = {
        {kButtonOpen, {}, false, 0xE8E5},
        {kButtonPlayPause, playing, false, 0xE769},
        {kButtonPlayPause, paused, false, 0xE768},
        {kButtonPlayPause, ended, false, 0xE768},
        {kButtonPlayPause, {}, false, 0xE768},
        {kButtonBack, {}, false, 0xEB9E},
        {kButtonForward, {}, false, 0xEB9D},
        {kButtonVolume, volume(0, false), false, 0xE992},
        {kButtonVolume, volume(0.4, false), false, 0xE993},
        {kButtonVolume, volume(33, false), false, 0xE993},
        {kButtonVolume, volume(33.9, false), false, 0xE993},
        {kButtonVolume, volume(34, false), false, 0xE994},
        {kButtonVolume, volume(66.9, false), false, 0xE994},
        {kButtonVolume, volume(67, false), false, 0xE995},
        {kButtonVolume, volume(100, false), false, 0xE995},
        {kButtonVolume, volume(80, true), false, 0xE74F},
        {kButtonVolume, volume(0, true), false, 0xE74F},
        {kButtonAudio, {}, false, 0xE8D6},
        {kButtonSubtitles, {}, false, 0xE7F0},
        {kButtonOnTop, {}, false, 0xE718},
        {kButtonFullscreen, {}, false, 0xE740},
        {kButtonFullscreen, {}, true, 0xE73F},
        {kButtonHelp, {}, false, 0xE897},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<int>(bar_button_glyph(c.id, c.playback, c.fullscreen)), static_cast<int>(c.glyph))
            << "button " << int(c.id) << " volume " << c.playback.current_volume;
}

TEST(BarGlyphs, TonesWithAndWithoutAFile) {
    const PlaybackState empty;
    PlaybackState file = loaded(0, 10);
    PlaybackState with_subtitles = file;
    with_subtitles.subtitles_on = true;
    PlaybackState subtitles_no_file;
    subtitles_no_file.subtitles_on = true;
    using T = GlyphTone;
    // Nothing loaded: play/pause, back, forward, audio and subtitles are dimmed; the rest normal.
    const T without_file[10] = {T::normal, T::dimmed, T::dimmed, T::dimmed, T::normal,
                                T::dimmed, T::dimmed, T::normal, T::normal, T::normal};
    const T with_file[10] = {T::normal, T::normal, T::normal, T::normal, T::normal,
                             T::normal, T::normal, T::normal, T::normal, T::normal};
    for (uint8_t id = 0; id < 10; ++id) {
        EXPECT_EQ(bar_button_tone(id, empty, false), without_file[id]) << int(id);
        EXPECT_EQ(bar_button_tone(id, file, false), with_file[id]) << int(id);
    }
    EXPECT_EQ(bar_button_tone(kButtonOnTop, empty, true), T::accent);
    EXPECT_EQ(bar_button_tone(kButtonOnTop, file, true), T::accent);
    EXPECT_EQ(bar_button_tone(kButtonSubtitles, with_subtitles, false), T::accent);
    EXPECT_EQ(bar_button_tone(kButtonSubtitles, subtitles_no_file, false), T::dimmed);
    EXPECT_EQ(glyph_colour(kDarkPalette, T::normal, false), 0x00EAEAEAu);
    EXPECT_EQ(glyph_colour(kDarkPalette, T::accent, false), 0x00F08E3Bu);
    EXPECT_EQ(glyph_colour(kDarkPalette, T::dimmed, false), 0x008E8A8Au);
}

TEST(BarSeekFraction, FollowsDragOrPosition) {
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(25, 100), false, 0.9), 0.25);
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(25, 100), true, 0.9), 0.9);
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(250, 100), false, 0), 1);
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(-5, 100), false, 0), 0);
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(5, 0), false, 0), 0);
    EXPECT_DOUBLE_EQ(seek_bar_fraction(loaded(std::nan(""), 100), false, 0), 0);
}

TEST(BarSlider, ShapesIdleAndActive) {
    const BarRect rect{328, 0, 594, 44};
    const SliderShapes idle = slider_shapes(96, rect, 0.5, false);
    EXPECT_EQ(idle.corner, 4);
    EXPECT_EQ(idle.track.left, 328);
    EXPECT_EQ(idle.track.right, 595);
    EXPECT_EQ(idle.track.top, 20);
    EXPECT_EQ(idle.track.bottom, 25);
    EXPECT_TRUE(idle.has_fill);
    EXPECT_EQ(idle.fill_x, 461);
    EXPECT_EQ(idle.fill.right, 462);
    EXPECT_FALSE(idle.has_knob);

    const SliderShapes active = slider_shapes(96, rect, 0.5, true);
    EXPECT_EQ(active.corner, 6);
    EXPECT_EQ(active.track.top, 19);
    EXPECT_EQ(active.track.bottom, 26);
    ASSERT_TRUE(active.has_knob);
    EXPECT_EQ(active.knob.left, 461 - 7);
    EXPECT_EQ(active.knob.top, 22 - 7);
    EXPECT_EQ(active.knob.right, 461 + 8);
    EXPECT_EQ(active.knob.bottom, 22 + 8);

    // At 144 DPI: thickness 9 when active, knob radius 11 (10.5 rounded away from zero).
    const SliderShapes big = slider_shapes(144, BarRect{0, 0, 100, 66}, 0, true);
    EXPECT_EQ(big.corner, 9);
    EXPECT_EQ(big.track.top, 33 - 4);
    EXPECT_EQ(big.knob.left, -11);
}

TEST(BarSlider, FillEdges) {
    const BarRect rect{10, 0, 110, 44};
    EXPECT_FALSE(slider_shapes(96, rect, 0, false).has_fill);
    EXPECT_FALSE(slider_shapes(96, rect, 0.009, false).has_fill);  // truncated to the left end
    EXPECT_EQ(slider_shapes(96, rect, 0.019, false).fill_x, 11);
    EXPECT_EQ(slider_shapes(96, rect, 1, false).fill_x, 110);
    EXPECT_EQ(slider_shapes(96, rect, std::nan(""), true).fill_x, 10);  // NaN: knob at the left end
    EXPECT_EQ(slider_shapes(96, rect, 1e300, true).fill_x, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(slider_shapes(96, rect, 1e300, true).knob.right, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(slider_shapes(96, rect, -0.5, false).fill_x, -40);
}

TEST(BarSlider, PointerFraction) {
    const BarRect rect{100, 0, 300, 44};
    EXPECT_DOUBLE_EQ(slider_fraction(100, rect), 0);
    EXPECT_DOUBLE_EQ(slider_fraction(50, rect), 0);
    EXPECT_DOUBLE_EQ(slider_fraction(150, rect), 0.25);
    EXPECT_DOUBLE_EQ(slider_fraction(300, rect), 1);
    EXPECT_DOUBLE_EQ(slider_fraction(9000, rect), 1);
    // Narrower than two pixels: counted as one pixel wide.
    EXPECT_DOUBLE_EQ(slider_fraction(100, BarRect{100, 0, 101, 44}), 0);
    EXPECT_DOUBLE_EQ(slider_fraction(101, BarRect{100, 0, 101, 44}), 1);
    EXPECT_DOUBLE_EQ(slider_fraction(100, BarRect{100, 0, 100, 44}), 0);
}

TEST(BarHitCode, TargetsAndGaps) {
    const BarLayout layout = compute_bar_layout(96, 944, 44);
    struct Case {
        int32_t x;
        int32_t y;
        BarHit hit;
    } cases[] = {
        {6, 0, button_hit(kButtonOpen)},
        {45, 43, button_hit(kButtonOpen)},
        {46, 20, button_hit(kButtonPlayPause)},
        {165, 20, button_hit(kButtonForward)},
        {166, 20, BarHit::none},
        {200, 20, BarHit::none},
        {327, 20, BarHit::none},
        {328, 20, BarHit::seek_bar},
        {593, 20, BarHit::seek_bar},
        {594, 20, BarHit::none},
        {605, 20, BarHit::none},
        {606, 20, button_hit(kButtonVolume)},
        {646, 20, BarHit::volume},
        {729, 20, BarHit::volume},
        {730, 20, BarHit::none},
        {738, 20, button_hit(kButtonAudio)},
        {778, 20, button_hit(kButtonSubtitles)},
        {818, 20, button_hit(kButtonOnTop)},
        {858, 20, button_hit(kButtonFullscreen)},
        {937, 20, button_hit(kButtonHelp)},
        {938, 20, BarHit::none},
        {5, 20, BarHit::none},
        {400, 44, BarHit::none},
        {400, -1, BarHit::none},
    };
    for (const auto& c : cases) EXPECT_EQ(bar_hit_code(layout, c.x, c.y), c.hit) << c.x << "," << c.y;

    // The table with an eleventh button: every button's code is its own and says "button", and no
    // other target's does.
    std::vector<BarButtonRow> rows(std::begin(kBarButtons), std::end(kBarButtons));
    rows.push_back(rows.back());
    rows.back().id = static_cast<BarButtonId>(rows.size() - 1);
    for (const BarButtonRow& row : rows) {
        const BarHit hit = button_hit(row.id);
        EXPECT_TRUE(is_button(hit)) << int(row.id);
        EXPECT_EQ(button_of(hit), row.id);
        for (const BarHit target : {BarHit::none, BarHit::seek_bar, BarHit::volume, BarHit::released}) {
            EXPECT_NE(hit, target) << int(row.id);
            EXPECT_FALSE(is_button(target));
        }
    }
}

// Each tooltip is a command's label and its row's words: the whole text, as the user reads it.
TEST(BarTooltips, TextsInBothLanguages) {
    const Text expected[kBarButtonCount] = {
        {"Open a file (Ctrl+O)", "Ouvrir un fichier (Ctrl+O)"},
        {"Play / Pause (Space)", "Lecture / Pause (Espace)"},
        {"Back 10 s (← : 5 s)", "Reculer de 10 s (← : 5 s)"},
        {"Forward 10 s (→ : 5 s)", "Avancer de 10 s (→ : 5 s)"},
        {"Mute (M) — wheel or ↑/↓ for volume", "Muet (M) — molette ou ↑/↓ pour le volume"},
        {"Audio track (A: next)", "Piste audio (A : suivante)"},
        {"Subtitles (S: next / off)", "Sous-titres (S : suivant / désactiver)"},
        {"Always on top (T)", "Toujours au premier plan (T)"},
        {"Full screen (F, double-click) — Esc to exit", "Plein écran (F, double-clic) — Échap pour sortir"},
        {"Help (F1)", "Aide (F1)"},
    };
    for (uint8_t id = 0; id < kBarButtonCount; ++id) {
        set_active_language(Language::english);
        EXPECT_EQ(bar_button_tooltip(id), expected[id].en);
        set_active_language(Language::french);
        EXPECT_EQ(bar_button_tooltip(id), expected[id].fr);
    }
    set_active_language(Language::english);
    EXPECT_EQ(bar_button_tooltip(kBarButtonCount), "");
}

}  // namespace
