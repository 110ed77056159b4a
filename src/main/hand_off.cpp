#include "hand_off.h"

#include <cstring>

#include "utf.h"

std::string hand_off_text(const void* bytes, size_t size) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    std::u16string text;
    const size_t units = data ? size / 2 : 0;
    for (size_t i = 0; i < units; ++i) {
        char16_t unit;
        std::memcpy(&unit, data + 2 * i, sizeof unit);  // the sender's buffer need not be aligned
        if (unit == 0) break;
        text += unit;
    }
    return utf16_to_utf8(text);
}
