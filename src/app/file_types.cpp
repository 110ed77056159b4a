#include "app/file_types.h"

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
