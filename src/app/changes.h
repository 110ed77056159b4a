// What an action changed of what the windows and the shell show, as bits. Actions return them; only
// run_command and the window procedures' handlers pass them to state_changed, once, when the action
// is done.
#pragma once

#include <cstdint>

using Changes = uint32_t;

constexpr Changes kChangedNothing = 0;
constexpr Changes kChangedBar = 1;        // what the bar shows: its picture and its accessible tree
constexpr Changes kChangedShell = 2;      // what the taskbar button and the media overlay show
constexpr Changes kChangedPlayback = 3;   // both of the above
constexpr Changes kChangedHelp = 4;       // the Help window's rows (the multi-instance switch)
constexpr Changes kChangedAbout = 8;      // the About window's texts and check box
constexpr Changes kChangedWords = 16;     // texts a window keeps copies of: the bar's tooltips
constexpr Changes kChangedLanguage = 31;  // every text of every window
