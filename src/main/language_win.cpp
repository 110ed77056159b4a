#include "language_win.h"

#include "app_state_win.h"

void choose_language(const Settings& settings) {
    if (const auto language = recognise_language(settings.language)) set_active_language(*language);
}

void switch_language(App&, Language language) { set_active_language(language); }
