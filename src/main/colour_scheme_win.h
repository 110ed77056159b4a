// Reading Windows' high-contrast state and colours into the palette the windows paint with.
#pragma once

#include "colour_scheme.h"

struct App;

// The palette for the system's current settings.
Palette system_palette();
// WM_SETTINGCHANGE and WM_SYSCOLORCHANGE: the palette read again and every owner-drawn window
// repainted with it.
void on_colours_changed(App& app);
