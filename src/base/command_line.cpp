#include "base/command_line.h"

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

// Returns the offset just past the program name.
size_t skip_program_name(std::u16string_view line, std::u16string& name) {
    bool quoted = false;
    size_t i = 0;
    for (; i < line.size(); ++i) {
        const char16_t c = line[i];
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && is_blank(c)) break;
        name += c;
    }
    return i;
}

}  // namespace

std::vector<std::u16string> split_command_line(std::u16string_view line) {
    std::vector<std::u16string> args(1);
    size_t i = skip_program_name(line, args[0]);
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i >= line.size()) return args;

    std::u16string current;
    int quotes = 0;  // 0 outside quotes, 1 inside; 2 collapses to 0 as CommandLineToArgvW does
    size_t backslashes = 0;
    while (i < line.size()) {
        const char16_t c = line[i];
        if (is_blank(c) && quotes == 0) {
            current.append(backslashes, u'\\');
            backslashes = 0;
            args.push_back(std::move(current));
            current.clear();
            while (i < line.size() && is_blank(line[i])) ++i;
            if (i >= line.size()) return args;
            continue;
        }
        if (c == u'\\') {
            ++backslashes;
            ++i;
            continue;
        }
        if (c == u'"') {
            current.append(backslashes / 2, u'\\');
            if (backslashes % 2 == 1) {
                current += u'"';
            } else {
                ++quotes;
            }
            backslashes = 0;
            ++i;
            // Runs of quotes: every third one is a literal quote.
            while (i < line.size() && line[i] == u'"') {
                if (++quotes == 3) {
                    current += u'"';
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2) quotes = 0;
            continue;
        }
        current.append(backslashes, u'\\');
        backslashes = 0;
        current += c;
        ++i;
    }
    current.append(backslashes, u'\\');
    args.push_back(std::move(current));
    return args;
}

std::optional<std::u16string> first_argument(std::u16string_view line) {
    auto args = split_command_line(line);
    if (args.size() < 2) return std::nullopt;
    return std::move(args[1]);
}

bool is_url(std::string_view argument) { return argument.find("://") != std::string_view::npos; }

bool is_verbatim_path(std::string_view argument) { return argument.substr(0, 4) == "\\\\?\\"; }
