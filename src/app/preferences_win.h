// The settings the user changes while the program runs: the switches (keys, menu items, About's
// check box) and the language. Each is set, saved at once or as soon as settings.ini can be written,
// and said on the video, the one way.
#pragma once

#include <cstdint>

#include "app/changes.h"
#include "app/settings/language.h"
#include "app/settings/settings.h"

struct App;

// What the video says after a change, and for how long; nothing when `ms` is 0.
struct SettingMessage {
    Text words;
    uint32_t ms;
};

struct SettingSwitch {
    bool Settings::*field;
    SettingMessage on;   // said when the switch turns on
    SettingMessage off;  // and off
    Changes shows;       // what shows the switch's state
};

extern const SettingSwitch kMultiInstanceSwitch;  // Help's row shows it
extern const SettingSwitch kWheelInvertSwitch;
extern const SettingSwitch kAlwaysOnTopSwitch;  // the bar's pin button shows it
extern const SettingSwitch kHideAboutSwitch;    // About's check box

Changes set_switch(App& app, const SettingSwitch& which, bool on);
Changes flip_switch(App& app, const SettingSwitch& which);

// The new language everywhere, saved and said in it.
Changes switch_language(App& app, Language language);

// After any setting changed: saved without making the window wait, and the message said.
void setting_changed(App& app, const SettingMessage& message);
