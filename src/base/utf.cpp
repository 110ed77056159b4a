#include "base/utf.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `pos`. On an invalid sequence returns kReplacement and advances over the
// maximal subpart only (at least one byte), so a single bad byte never swallows a valid neighbour.
char32_t decode_one(std::string_view s, size_t& pos, bool& valid) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    const uint8_t lead = byte(pos);
    valid = true;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    uint8_t lo = 0x80, hi = 0xBF;  // allowed range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) lo = 0xA0;  // overlong
        if (lead == 0xED) hi = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) lo = 0x90;  // overlong
        if (lead == 0xF4) hi = 0x8F;  // above U+10FFFF
    } else {
        ++pos;
        valid = false;
        return kReplacement;
    }
    size_t i = pos + 1;
    for (int k = 1; k < length; ++k, ++i) {
        const uint8_t min = (k == 1) ? lo : 0x80;
        const uint8_t max = (k == 1) ? hi : 0xBF;
        if (i >= s.size() || byte(i) < min || byte(i) > max) {
            pos = i;
            valid = false;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    pos = i;
    return cp;
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string utf8_to_utf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        bool valid = true;
        const char32_t cp = decode_one(text, pos, valid);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string utf16_to_utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        char32_t cp = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                cp = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            } else {
                cp = kReplacement;
            }
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            cp = kReplacement;
        }
        append_utf8(out, cp);
    }
    return out;
}

std::string sanitize_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        bool valid = true;
        const char32_t cp = decode_one(text, pos, valid);
        if (valid)
            out.append(text.substr(start, pos - start));
        else
            append_utf8(out, cp);
    }
    return out;
}

bool is_valid_utf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        bool valid = true;
        decode_one(text, pos, valid);
        if (!valid) return false;
    }
    return true;
}
