// Local paths as the player core must receive them on Windows.
#pragma once

#include <string>
#include <string_view>

// Paths this long (in UTF-16 units) need the verbatim form to be opened without long-path support.
constexpr size_t kMaxPathUnits = 260;

// "C:\..." or "c:/...": a drive letter, a colon and a separator.
bool is_drive_absolute(std::string_view path);

// The \\?\ (or \\?\UNC\) form of an absolute drive or UNC path of kMaxPathUnits units or more, with
// forward slashes turned into backslashes. Everything else comes back unchanged: shorter paths (so
// their resume positions keep their keys), URLs, paths already verbatim or naming a device, relative
// paths, and paths with "." or ".." or empty parts, which the verbatim form would not resolve.
std::string path_for_core(std::string_view path);
