// Choosing the interface language at start and switching it while the program runs.
#pragma once

#include <optional>

#include "language.h"
#include "win32_win.h"

struct App;
struct Settings;

// The installer's choice: "Software\Tarnwick Light" value "Language" (REG_SZ, at most 64 bytes) under
// root, when it can be read and names a language.
std::optional<Language> registry_language(HKEY root);

// The "language" setting, then the installer's registry value (HKCU, then HKLM), then the Windows UI
// language; sets the active language.
void choose_language(const Settings& settings);

// From the context menu: the new language everywhere, written to the settings file.
void switch_language(App& app, Language language);
