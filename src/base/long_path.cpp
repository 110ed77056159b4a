#include "base/long_path.h"

#include "base/command_line.h"
#include "base/utf.h"

namespace {

bool is_separator(char c) { return c == '\\' || c == '/'; }

// \\server\share\...; \\.\ and \\?\ name devices and verbatim paths, not servers.
bool is_unc(std::string_view path) {
    return path.size() >= 3 && is_separator(path[0]) && is_separator(path[1]) && !is_separator(path[2]) &&
           !(path.size() >= 4 && (path[2] == '.' || path[2] == '?') && is_separator(path[3]));
}

// Every part between separators is a name: no ".", no "..", no empty part.
bool has_only_names(std::string_view rest) {
    for (;;) {
        const size_t end = rest.find_first_of("\\/");
        const std::string_view part = rest.substr(0, end);
        // A trailing separator leaves one empty last part, which names the folder itself.
        if (part == "." || part == ".." || (part.empty() && end != std::string_view::npos)) return false;
        if (end == std::string_view::npos) return true;
        rest.remove_prefix(end + 1);
    }
}

std::string with_backslashes(std::string_view path) {
    std::string result(path);
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

}  // namespace

bool is_drive_absolute(std::string_view path) {
    const bool letter = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return letter && path[1] == ':' && is_separator(path[2]);
}

std::string path_for_core(std::string_view path) {
    if (is_url(path) || is_verbatim_path(path) || utf8_to_utf16(path).size() < kMaxPathUnits) return std::string(path);
    if (is_drive_absolute(path) && has_only_names(path.substr(3))) return "\\\\?\\" + with_backslashes(path);
    if (is_unc(path) && has_only_names(path.substr(2))) return "\\\\?\\UNC\\" + with_backslashes(path.substr(2));
    return std::string(path);
}
