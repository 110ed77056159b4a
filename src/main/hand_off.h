// The text of a hand-off message, decoded from bytes another process chose.
#pragma once

#include <cstddef>
#include <string>

// The UTF-16 text in the first `size` bytes: an odd last byte is ignored, the text ends at the first
// NUL unit or at the end of the buffer, and unpaired surrogates become U+FFFD. No byte beyond `size`
// is read; a null `bytes` gives the empty text.
std::string hand_off_text(const void* bytes, size_t size);
