#include "app/file_types.h"

#include "base/command_line.h"
#include "base/long_path.h"
#include "base/utf.h"

namespace {

// The dialog keeps folders in MAX_PATH units.
constexpr size_t kLongestDialogFolderUnits = 259;

}  // namespace

std::string dialog_start_folder(std::string_view path_or_url) {
    if (is_url(path_or_url)) return {};
    std::string path;
    if (path_or_url.substr(0, 8) == "\\\\?\\UNC\\")
        path = "\\\\" + std::string(path_or_url.substr(8));
    else if (path_or_url.substr(0, 4) == "\\\\?\\")
        path = std::string(path_or_url.substr(4));
    else
        path = std::string(path_or_url);
    const bool share = path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '?' && path[2] != '.';
    if (!is_drive_absolute(path) && !share) return {};
    const size_t separator = path.find_last_of("\\/");
    path.resize(separator + 1);
    if (share && path.find_first_of("\\/", 2) == path.size() - 1) return {};  // \\server\ alone is no folder
    if (utf8_to_utf16(path).size() > kLongestDialogFolderUnits) return {};
    return path;
}

std::string file_extension(std::string_view path) {
    const size_t separator = path.find_last_of("\\/");
    const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string extension(name.substr(dot + 1));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

bool matches_patterns(std::string_view path, std::string_view patterns) {
    const std::string wanted = "*." + file_extension(path);
    size_t begin = 0;
    for (;;) {
        const size_t end = patterns.find(';', begin);
        if (patterns.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin) == wanted)
            return true;
        if (end == std::string_view::npos) return false;
        begin = end + 1;
    }
}

bool is_subtitle_file(std::string_view path) { return matches_patterns(path, kSubtitlePatterns); }

std::string dialog_filter(std::string_view filter_name, std::string_view pattern, std::string_view all_files_name) {
    std::string filter;
    for (const std::string_view part : {filter_name, pattern, all_files_name, std::string_view("*.*")}) {
        filter += part;
        filter += '\0';
    }
    filter += '\0';
    return filter;
}
