#include "app/preferences_win.h"

#include "app/app_state_win.h"
#include "app/settings/settings_retry_win.h"
#include "player/commands.h"

namespace {

constexpr SettingMessage kSaidNowhere{{"", ""}, 0};
constexpr SettingMessage kLanguageMessage{{"Language: English", "Langue : français"}, 1500};

}  // namespace

const SettingSwitch kMultiInstanceSwitch{&Settings::multi_instance,
                                         {{"Multi-instance on: each video opens in a new window",
                                           "Multi-instance activé : chaque vidéo s'ouvre dans une nouvelle fenêtre"},
                                          2500},
                                         {{"Multi-instance off: videos open in this window",
                                           "Multi-instance désactivé : les vidéos s'ouvrent dans cette fenêtre"},
                                          2500},
                                         kChangedHelp};
const SettingSwitch kWheelInvertSwitch{&Settings::wheel_invert, kSaidNowhere, kSaidNowhere, kChangedNothing};
const SettingSwitch kAlwaysOnTopSwitch{&Settings::always_on_top,
                                       {{"Always on top: on", "Toujours au premier plan : activé"}, 1500},
                                       {{"Always on top: off", "Toujours au premier plan : désactivé"}, 1500},
                                       kChangedBar};
const SettingSwitch kHideAboutSwitch{&Settings::hide_about, kSaidNowhere, kSaidNowhere, kChangedAbout};

// The save is the quick one: a file another program holds is written again from a timer
// (settings_retry_win.cpp), so a switch never makes the window wait.
void setting_changed(App& app, const SettingMessage& message) {
    save_settings_soon(app);
    if (app.core && message.ms > 0) show_text(*app.core, pick(message.words), message.ms);
}

// Every text is picked when it is drawn, so a repaint is all most windows need; the tooltips keep
// copies of theirs and are made again, and the shell takes the thumbnail buttons' tooltips again.
Changes switch_language(App& app, Language language) {
    set_active_language(language);
    app.settings.language = language == Language::english ? "en" : "fr";
    setting_changed(app, kLanguageMessage);  // in the new language
    return kChangedLanguage;
}

Changes set_switch(App& app, const SettingSwitch& which, bool on) {
    app.settings.*which.field = on;
    setting_changed(app, on ? which.on : which.off);
    return which.shows;
}

Changes flip_switch(App& app, const SettingSwitch& which) {
    return set_switch(app, which, !(app.settings.*which.field));
}
