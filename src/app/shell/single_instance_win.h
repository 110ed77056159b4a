// Handing a file to the copy of the program that is already running.
#pragma once

#include <optional>
#include <string>

#include "base/win32_win.h"

struct App;

// The tag that marks the hand-off's WM_COPYDATA.
constexpr ULONG_PTR kHandOffTag = 0x54574B31;

// True when a running copy accepted the file (or, with no file, the request to come forward).
bool hand_off_to_running_copy(const std::optional<std::string>& file);

// The receiving side, for WM_COPYDATA: restores and raises the main window and opens the text when
// there is one; returns 1 when accepted, 0 for another tag or while closing.
LRESULT on_copy_data(App& app, const COPYDATASTRUCT* data);
