// The control bar's buttons, one row each: where a button stands, what it shows, what a click asks
// for and what it is called. The layout, the painting, the hit test, the tooltips and the screen
// readers' view all read this table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "app/bar_input.h"
#include "app/command.h"
#include "app/settings/language.h"
#include "ui/input/key_bindings.h"

// Button ids: each is its row's index in kBarButtons and the button's hit code.
enum BarButtonId : uint8_t {
    kButtonOpen = 0,
    kButtonPlayPause = 1,
    kButtonBack = 2,
    kButtonForward = 3,
    kButtonVolume = 4,
    kButtonAudio = 5,
    kButtonSubtitles = 6,
    kButtonOnTop = 7,
    kButtonFullscreen = 8,
    kButtonHelp = 9,
};

// Where a button stands: in the group at the bar's left edge, left of the volume slider, or in the
// group that ends at the bar's right edge (in the order of the rows, left to right).
enum class BarGroup : uint8_t { left, volume, right };

// The state a button follows: its glyph (playing, volume, full screen), its lit colour (subtitles on,
// always on top) or the on/off state screen readers are told (volume: muted, always on top, full
// screen).
enum class BarState : uint8_t { none, playing, volume, subtitles, always_on_top, fullscreen };

struct BarButtonRow {
    BarButtonId id;
    BarGroup group;
    char16_t glyph;  // Segoe MDL2 Assets code point, while the state does not draw another
    BarState follows;
    bool needs_file;  // dimmed, and disabled for screen readers, while nothing is loaded
    CommandId command;
    double amount;              // the command's amount
    const char* automation_id;  // the screen readers' id, the same in every language
    Text tooltip;               // after the command's label; also the name screen readers read
    BoundCommand keys[3];       // the commands whose keys the tooltip's "{1}", "{2}", "{3}" name
};

// Glyphs a state draws instead of the row's.
constexpr char16_t kGlyphPause = 0xE769;
constexpr char16_t kGlyphLeaveFullscreen = 0xE73F;

inline constexpr BarButtonRow kBarButtons[] = {
    {kButtonOpen,
     BarGroup::left,
     0xE8E5,
     BarState::none,
     false,
     CommandId::open_video,
     0,
     "open",
     {"Open a file ({1})", "Ouvrir un fichier ({1})"},
     {{CommandId::open_video}}},
    {kButtonPlayPause,
     BarGroup::left,
     0xE768,
     BarState::playing,
     true,
     CommandId::toggle_pause,
     0,
     "play_pause",
     {" ({1})", " ({1})"},
     {{CommandId::toggle_pause}}},
    {kButtonBack,
     BarGroup::left,
     0xEB9E,
     BarState::none,
     true,
     CommandId::seek_relative,
     -10,
     "back",
     {"Back 10 s ({1} : 5 s)", "Reculer de 10 s ({1} : 5 s)"},
     {{CommandId::seek_relative, -5}}},
    {kButtonForward,
     BarGroup::left,
     0xEB9D,
     BarState::none,
     true,
     CommandId::seek_relative,
     10,
     "forward",
     {"Forward 10 s ({1} : 5 s)", "Avancer de 10 s ({1} : 5 s)"},
     {{CommandId::seek_relative, 5}}},
    {kButtonVolume,
     BarGroup::volume,
     0xE995,
     BarState::volume,
     false,
     CommandId::toggle_mute,
     0,
     "mute",
     {" ({1}) — wheel or {2}/{3} for volume", " ({1}) — molette ou {2}/{3} pour le volume"},
     {{CommandId::toggle_mute}, {CommandId::volume_step, 5}, {CommandId::volume_step, -5}}},
    {kButtonAudio,
     BarGroup::right,
     0xE8D6,
     BarState::none,
     true,
     CommandId::audio_menu,
     0,
     "audio",
     {" ({1}: next)", " ({1} : suivante)"},
     {{CommandId::next_audio_track}}},
    {kButtonSubtitles,
     BarGroup::right,
     0xE7F0,
     BarState::subtitles,
     true,
     CommandId::subtitle_menu,
     0,
     "subtitles",
     {" ({1}: next / off)", " ({1} : suivant / désactiver)"},
     {{CommandId::next_subtitle_track}}},
    {kButtonOnTop,
     BarGroup::right,
     0xE718,
     BarState::always_on_top,
     false,
     CommandId::toggle_always_on_top,
     0,
     "on_top",
     {" ({1})", " ({1})"},
     {{CommandId::toggle_always_on_top}}},
    {kButtonFullscreen,
     BarGroup::right,
     0xE740,
     BarState::fullscreen,
     false,
     CommandId::toggle_fullscreen,
     0,
     "fullscreen",
     {" ({1}, double-click) — {2} to exit", " ({1}, double-clic) — {2} pour sortir"},
     {{CommandId::toggle_fullscreen}, {CommandId::leave_fullscreen}}},
    {kButtonHelp,
     BarGroup::right,
     0xE897,
     BarState::none,
     false,
     CommandId::toggle_help,
     0,
     "help",
     {" ({1})", " ({1})"},
     {{CommandId::toggle_help}}},
};

constexpr uint8_t kBarButtonCount = static_cast<uint8_t>(std::size(kBarButtons));
static_assert(std::size(kBarButtons) < kFirstTargetHit, "a button's hit code is below the other targets'");
constexpr bool rows_in_id_order() {
    for (size_t i = 0; i < std::size(kBarButtons); ++i)
        if (kBarButtons[i].id != i) return false;
    return true;
}
static_assert(rows_in_id_order(), "a button's id is its row");
