// The one notification after the App state changed: whatever shows that state follows it.
#pragma once

#include <cstdint>

struct App;

// What changed, as bits.
constexpr uint32_t kChangedBar = 1;        // what the bar shows: its picture and its accessible tree
constexpr uint32_t kChangedShell = 2;      // what the taskbar button and the media overlay show
constexpr uint32_t kChangedPlayback = 3;   // both of the above
constexpr uint32_t kChangedHelp = 4;       // the Help window's rows (the multi-instance switch)
constexpr uint32_t kChangedAbout = 8;      // the About window's texts
constexpr uint32_t kChangedLanguage = 15;  // every text of every window

void state_changed(App& app, uint32_t changes);
