// settings.ini in the user's application-data folder.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings/settings.h"
#include "app/settings/settings_merge.h"

// %APPDATA%\Tarnwick Light, or the temporary folder's "Tarnwick Light" when APPDATA is not set.
std::string settings_folder();

// settings_folder() + "\settings.ini".
std::string settings_path();

// The defaults when the file is missing, unreadable or not UTF-8.
Settings load_settings();

// How long a save may wait for what others hold: another copy's save (its lock) and settings.ini
// held open by another program.
struct SaveWait {
    uint32_t lock_ms = 0;             // for another copy's save to end
    bool write_without_lock = false;  // once that wait is over
    uint32_t held_file_ms = 0;        // trying again while another program holds the file
};
// The close's save, which must be made before the process ends: it waits, a bounded time.
constexpr SaveWait kSaveWaiting{2000, true, 1000};
// A save while the window runs: a moment for another copy's save, one try at the file.
constexpr SaveWait kSaveAtOnce{50, false, 0};

// Writes the whole file, replacing the old one atomically; every failure is silent.
void save_settings(const Settings& settings);

// How a save ended: written; refused by what others hold for a moment (another copy's save, a
// program that has the file open), which a later try may get past; or failed in a way a later try
// would only repeat (no folder, a read-only file, a full disk, a share that does not answer).
enum class SaveOutcome : uint8_t { saved, held, failed };

// Writes the keys of `mine` that differ from `synced`, and the `forced` ones, over the file as it is
// now, keeping every other value another copy may have saved; then synced = mine. A missing file is
// written whole. This is how the program saves; save_settings writes exactly what it is given.
// `synced` is unchanged unless the outcome is `saved`.
SaveOutcome save_changed_settings(const Settings& mine, Settings& synced, SettingsKeys forced = 0,
                                  const SaveWait& wait = kSaveWaiting);
