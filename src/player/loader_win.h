// Loading libmpv-2.dll from the program's own folder and creating the one player-core handle.
#pragma once

#include <string>
#include <variant>

#include "base/win32_win.h"
#include "player/core.h"

// The library path: the executable's folder joined with "libmpv-2.dll", or the bare name when the
// executable path has no folder.
std::string library_path(const std::string& executable_path);

// The step that failed, with the library path or the missing function's name.
enum class LoadStep : unsigned char { load_library, resolve, create };
struct LoadFailure {
    LoadStep step = LoadStep::load_library;
    std::string detail;
};

// The library loaded and its entry points resolved in the list's order, or what failed.
std::variant<MpvApi, LoadFailure> load_library();
// mpv_create with a loaded library's entry points: the core with its handle, or create failed.
std::variant<Core, LoadFailure> create_core(const MpvApi& api);
// Both, one after the other.
std::variant<Core, LoadFailure> load_core();

// Destroys the core (mpv_terminate_destroy) on a thread of its own, answering the messages other
// threads send to this thread's windows meanwhile: libmpv's video window is a child of ours, and
// its window thread may send ours a message while it shuts down, which a thread blocked in the
// call would never answer. Posted messages wait for the message loop. Returns false when the core
// had not ended after `wait_ms`; it goes on ending on its own, and the caller may exit.
bool destroy_core(const Core& core, unsigned long wait_ms);
