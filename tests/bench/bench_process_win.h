// What the benchmark's launchers do with the programs they start.
#pragma once

#include <windows.h>

#include <string>

std::wstring quoted(const std::wstring& text);

// The process's main window: visible, top-level and owned by no other window; null while there is none.
HWND process_main_window(DWORD process_id);

// Closes the process's main window with WM_CLOSE and waits for the process to end; kills it when it
// will not.
bool close_and_wait(const PROCESS_INFORMATION& process);
