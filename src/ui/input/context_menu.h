// The right-click menu and the track menus as data: identifiers, labels in the active language and
// their check and grey states. The Win32 side turns these entries into HMENUs; keeping them here lets
// the whole menu be checked without Windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/command.h"
#include "app/playback/track_labels.h"

// Menu identifiers, which are also the Win32 menu ids (8 is not used).
constexpr uint32_t kMenuOpen = 1;
constexpr uint32_t kMenuPlayPause = 2;
constexpr uint32_t kMenuFullscreen = 3;
constexpr uint32_t kMenuMultiInstance = 4;
constexpr uint32_t kMenuHelp = 5;
constexpr uint32_t kMenuQuit = 6;
constexpr uint32_t kMenuWheelInvert = 7;
constexpr uint32_t kMenuAbout = 9;
constexpr uint32_t kMenuAlwaysOnTop = 10;
constexpr uint32_t kMenuAudioBase = 1000;     // 1001..1999: audio track id + 1000
constexpr uint32_t kMenuSubtitleBase = 2000;  // 2000: off; 2001..2998: subtitle track id + 2000
constexpr uint32_t kMenuLoadSubtitles = 2999;
constexpr uint32_t kMenuFrench = 3001;
constexpr uint32_t kMenuEnglish = 3002;

struct MenuEntry {
    enum class Kind : uint8_t { item, separator, audio_menu, subtitle_menu, language_menu };
    Kind kind = Kind::item;
    uint32_t id = 0;
    std::string label;
    bool checked = false;
    bool grayed = false;
};

struct MenuState {
    bool file_loaded = false;
    bool fullscreen = false;
    bool multi_instance = false;
    bool always_on_top = false;
    bool wheel_invert = false;
};

// The main menu; the three submenus appear as single entries of their kind.
std::vector<MenuEntry> context_menu_entries(const MenuState& state);
std::vector<MenuEntry> language_menu_entries();

// Without a player core the submenu is empty; without a loaded file it has no
// tracks. Tracks whose identifier would leave the kind's range are left out.
std::vector<MenuEntry> track_menu_entries(TrackKind kind, bool core_present, bool file_loaded,
                                          const std::vector<Track>& tracks);

// "&" doubled so that a title like "Tom & Jerry" is not read as a mnemonic.
std::string escape_ampersands(std::string_view label);

// The command of a menu identifier; 0 (dismissed) and unknown identifiers give CommandId::none.
Command menu_command(uint32_t id);
