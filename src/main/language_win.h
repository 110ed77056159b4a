// Choosing the interface language at start and switching it while the program runs.
#pragma once

#include "language.h"

struct App;
struct Settings;

// The "language" setting, then the installer's registry value (HKCU, then HKLM), then the Windows UI
// language; sets the active language.
void choose_language(const Settings& settings);

void switch_language(App& app, Language language);
