#include "base/text.h"

#include <cstddef>
#include <cstdint>

namespace {

// Length of the white-space character starting at text[i], or 0. Covers the ASCII blanks and the
// Unicode White_Space code points (NEL, NBSP, the U+2000 block, line/paragraph separators, ...).
size_t white_at(std::string_view text, size_t i) {
    const auto b = [&](size_t k) { return k < text.size() ? static_cast<uint8_t>(text[k]) : 0; };
    const uint8_t c = b(i);
    if (c == ' ' || (c >= 0x09 && c <= 0x0D)) return 1;
    if (c == 0xC2 && (b(i + 1) == 0x85 || b(i + 1) == 0xA0)) return 2;
    if (c == 0xE1 && b(i + 1) == 0x9A && b(i + 2) == 0x80) return 3;  // U+1680
    if (c == 0xE2 && b(i + 1) == 0x80) {
        const uint8_t d = b(i + 2);
        if ((d >= 0x80 && d <= 0x8A) || d == 0xA8 || d == 0xA9 || d == 0xAF) return 3;
    }
    if (c == 0xE2 && b(i + 1) == 0x81 && b(i + 2) == 0x9F) return 3;  // U+205F
    if (c == 0xE3 && b(i + 1) == 0x80 && b(i + 2) == 0x80) return 3;  // U+3000
    return 0;
}

// Length of a white-space character ending just before text[end], or 0.
size_t white_before(std::string_view text, size_t end) {
    for (size_t len = 1; len <= 3 && len <= end; ++len)
        if (white_at(text, end - len) == len) return len;
    return 0;
}

}  // namespace

std::string_view trim_white(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t n = white_at(text, begin);
        if (n == 0) break;
        begin += n;
    }
    size_t end = text.size();
    while (end > begin) {
        const size_t n = white_before(text, end);
        if (n == 0) break;
        end -= n;
    }
    return text.substr(begin, end - begin);
}
