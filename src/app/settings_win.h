// settings.ini in the user's application-data folder.
#pragma once

#include <string>

#include "app/settings.h"

// %APPDATA%\Tarnwick Light, or the temporary folder's "Tarnwick Light" when APPDATA is not set.
std::string settings_folder();

// settings_folder() + "\settings.ini".
std::string settings_path();

// The defaults when the file is missing, unreadable or not UTF-8.
Settings load_settings();

// Writes the whole file, replacing the old one atomically; every failure is silent.
void save_settings(const Settings& settings);
