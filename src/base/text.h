// Helpers for UTF-8 text that know nothing of what the text says.
#pragma once

#include <string_view>

// Trims white space (ASCII and Unicode) at both ends.
std::string_view trim_white(std::string_view text);
