// Reading Windows' high-contrast state and colours into the palette the windows paint with.
#pragma once

#include "app/colour_scheme.h"

// The palette for the system's current settings.
Palette system_palette();
