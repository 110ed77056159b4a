// Loading libmpv-2.dll from the program's own folder and creating the one player-core handle.
#pragma once

#include <string>
#include <variant>

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

// The core with its handle, or what failed.
std::variant<Core, LoadFailure> load_core();
