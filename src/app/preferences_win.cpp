#include "app/preferences_win.h"

#include "app/app_state_win.h"
#include "app/settings/language.h"
#include "app/settings/settings_retry_win.h"
#include "player/commands.h"

namespace {

constexpr Text kMultiInstanceOn{"Multi-instance on: each video opens in a new window",
                                "Multi-instance activé : chaque vidéo s'ouvre dans une nouvelle fenêtre"};
constexpr Text kMultiInstanceOff{"Multi-instance off: videos open in this window",
                                 "Multi-instance désactivé : les vidéos s'ouvrent dans cette "
                                 "fenêtre"};
constexpr uint32_t kMultiInstanceMessageMs = 2500;

}  // namespace

Changes toggle_multi_instance(App& app) {
    app.settings.multi_instance = !app.settings.multi_instance;
    save_settings_soon(app);
    if (app.core)
        show_text(*app.core, pick(app.settings.multi_instance ? kMultiInstanceOn : kMultiInstanceOff),
                  kMultiInstanceMessageMs);
    return kChangedHelp;
}

Changes toggle_wheel_invert(App& app) {
    app.settings.wheel_invert = !app.settings.wheel_invert;
    save_settings_soon(app);
    return kChangedNothing;
}
