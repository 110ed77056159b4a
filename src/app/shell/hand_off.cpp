#include "app/shell/hand_off.h"

#include <cstring>

#include "base/command_line.h"
#include "base/long_path.h"
#include "base/utf.h"

namespace {

bool is_slash(char c) { return c == '\\' || c == '/'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// Windows opens the device, not a file, for these names in the last component, whatever extension
// or trailing spaces and dots follow ("C:\films\con.mkv" is the console).
bool names_device(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$"})
        if (equals_ignoring_case(name, device)) return true;
    if (name.size() == 4 &&
        (equals_ignoring_case(name.substr(0, 3), "com") || equals_ignoring_case(name.substr(0, 3), "lpt")))
        return name[3] >= '0' && name[3] <= '9';
    return false;
}

}  // namespace

std::string hand_off_text(const void* bytes, size_t size) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    std::u16string text;
    const size_t units = data ? size / 2 : 0;
    for (size_t i = 0; i < units; ++i) {
        char16_t unit;
        std::memcpy(&unit, data + 2 * i, sizeof unit);  // the sender's buffer need not be aligned
        if (unit == 0) break;
        // No copy sends more; a 16 MiB message would otherwise become a title and a command.
        if (text.size() == kLongestHandOffUnits) return {};
        text += unit;
    }
    return utf16_to_utf8(text);
}

bool is_hand_off_target(std::string_view text) {
    if (is_url(text)) return true;
    std::string_view path = text;
    if (is_verbatim_path(path)) {
        path.remove_prefix(4);
        if (!is_drive_absolute(path) && !equals_ignoring_case(path.substr(0, 4), "unc\\")) return false;
    } else if (path.size() > 2 && is_slash(path[0]) && is_slash(path[1])) {
        // \\server\share; "\\.\" and "\\?\" with forward slashes name devices.
        if (path[2] == '.' || path[2] == '?' || is_slash(path[2])) return false;
    } else if (!is_drive_absolute(path)) {
        return false;
    }
    return !names_device(path);
}
