// Splitting the Windows command line the way the shell does, so "C:\My Videos\a.mkv" arrives whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Element 0 is the program name: it ends at the first space or tab outside double quotes. The
// arguments after it follow CommandLineToArgvW: 2n backslashes before a quote give n backslashes and
// toggle quoting, 2n+1 give n backslashes and a literal quote, three quotes in a row give a literal
// quote, and backslashes elsewhere are literal.
std::vector<std::u16string> split_command_line(std::u16string_view line);

// The first argument after the program name, if any; the rest are ignored.
std::optional<std::u16string> first_argument(std::u16string_view line);

// An argument containing "://" is a URL and is passed on unchanged.
bool is_url(std::string_view argument);

// Paths starting with the verbatim prefix \\?\ are already absolute and must not be normalised.
bool is_verbatim_path(std::string_view argument);
