// settings.ini in the user's application-data folder.
#pragma once

#include <string>

#include "app/settings/settings.h"
#include "app/settings/settings_merge.h"

// %APPDATA%\Tarnwick Light, or the temporary folder's "Tarnwick Light" when APPDATA is not set.
std::string settings_folder();

// settings_folder() + "\settings.ini".
std::string settings_path();

// The defaults when the file is missing, unreadable or not UTF-8.
Settings load_settings();

// Writes the whole file, replacing the old one atomically; every failure is silent.
void save_settings(const Settings& settings);

// Writes the keys of `mine` that differ from `synced`, and the `forced` ones, over the file as it is
// now, keeping every other value another copy may have saved; then synced = mine. A missing file is
// written whole. This is how the program saves; save_settings writes exactly what it is given.
void save_changed_settings(const Settings& mine, Settings& synced, SettingsKeys forced = 0);
