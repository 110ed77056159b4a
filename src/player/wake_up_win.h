// The player core's wake-up callback, the one piece of the program that runs on libmpv's threads.
#pragma once

#include <atomic>

#include "base/win32_win.h"

// The message the callback posts to the main window.
constexpr UINT kMsgCoreWakeUp = WM_APP + 1;

// Set by the callback, cleared by the event pump before it drains; keeps at most one core wake-up
// message in the main window's queue.
extern std::atomic<bool> g_wake_up_pending;

// data is the main window handle.
void wake_up(void* data);
