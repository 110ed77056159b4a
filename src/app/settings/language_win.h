// Choosing the interface language at start.
#pragma once

#include <optional>

#include "app/settings/language.h"
#include "base/win32_win.h"

struct Settings;

// The installer's choice: "Software\Tarnwick Light" value "Language" (REG_SZ, at most 64 bytes) under
// root, when it can be read and names a language.
std::optional<Language> registry_language(HKEY root);

// The "language" setting, then the installer's registry value (HKCU, then HKLM), then the Windows UI
// language; sets the active language.
void choose_language(const Settings& settings);
