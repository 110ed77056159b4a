// UTF-8 <-> UTF-16 conversion. Inside the program every string is UTF-8; UTF-16 exists only at the
// Windows call, so these two functions are the only bridge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Invalid UTF-8 (bad lead bytes, truncated or overlong sequences, encoded surrogates, values above
// U+10FFFF) becomes one U+FFFD per maximal invalid subpart, the way Windows itself converts.
std::u16string utf8_to_utf16(std::string_view text);

// Unpaired surrogates become U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);

// The same text with every invalid sequence replaced by U+FFFD; valid text comes back unchanged.
std::string sanitize_utf8(std::string_view text);

bool is_valid_utf8(std::string_view text);

