// Handing a file to the copy of the program that is already running.
#pragma once

#include <optional>
#include <string>

#include "app/command.h"
#include "base/win32_win.h"

struct App;

// The tag that marks the hand-off's WM_COPYDATA.
constexpr ULONG_PTR kHandOffTag = 0x54574B31;

// Explorer opens several selected videos, and two quick double clicks open two, by starting one
// process per file at the same moment: each would look for a running window before any had made
// one, and each would open its own. A copy takes its turn from before it looks until its main window
// exists (or it exits), so the others find that window and hand their files to it. A copy hung in
// start-up holds the others up only this long; they then go on as if it were not there.
// Per session: copies of other users, or of this user in another session, each have their own.
inline constexpr wchar_t kStartTurnMutex[] = L"Local\\TarnwickLight.Start";
constexpr DWORD kStartTurnWaitMs = 5000;

// True when a running copy accepted the file (or, with no file, the request to come forward).
bool hand_off_to_running_copy(const std::optional<std::string>& file);

// The receiving side, for WM_COPYDATA: nothing when refused (another tag, closing, no player core);
// when accepted, restores and raises the main window and gives the command that opens the text, or
// CommandId::none when there is nothing to open.
std::optional<Command> on_copy_data(App& app, const COPYDATASTRUCT* data);
