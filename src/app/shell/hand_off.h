// The text of a hand-off message, decoded from bytes another process chose, and what of it may be
// opened.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest text a hand-off carries: the longest path Windows has, in UTF-16 units.
constexpr size_t kLongestHandOffUnits = 32767;

// The UTF-16 text in the first `size` bytes: an odd last byte is ignored, the text ends at the first
// NUL unit or at the end of the buffer, and unpaired surrogates become U+FFFD. No byte beyond `size`
// is read; a null `bytes` or a text longer than kLongestHandOffUnits gives the empty text.
std::string hand_off_text(const void* bytes, size_t size);

// What a starting copy sends: a URL, or a full path (drive, UNC share or \\?\ form). Relative paths,
// device paths (\\.\, CON, NUL, COM1, ... with any extension) and other text are not opened.
bool is_hand_off_target(std::string_view text);
