// The UTF-16 side of the UTF-8/UTF-16 bridge, for the expression that calls Windows.
#pragma once

#include <string>
#include <string_view>

#include "base/utf.h"

inline std::wstring wide(std::string_view text) {
    const std::u16string units = utf8_to_utf16(text);
    return std::wstring(units.begin(), units.end());
}

inline std::string narrow(std::wstring_view text) { return utf16_to_utf8(std::u16string(text.begin(), text.end())); }
