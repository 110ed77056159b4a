// Loading libmpv-2.dll from the program's own folder and creating the one player-core handle.
#pragma once

#include <string>
#include <variant>

#include "core.h"

// The library path: the executable's folder joined with "libmpv-2.dll", or the bare name when the
// executable path has no folder.
std::string library_path(const std::string& executable_path);

// The core with its handle, or the failure text in the active language.
std::variant<Core, std::string> load_core();
