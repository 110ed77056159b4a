// UTF-8 <-> UTF-16: the input read both as UTF-8 and as UTF-16 (its bytes two at a time). Invalid
// input comes out valid with replacements, valid input round-trips exactly, and the conversions agree
// with sanitize_utf8 and is_valid_utf8.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "base/utf.h"

namespace {

bool valid_utf16(std::u16string_view units) {
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            ++i;
        else if (u >= 0xD800 && u <= 0xDFFF)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string clean = sanitize_utf8(bytes);
    FUZZ_CHECK(is_valid_utf8(clean));
    FUZZ_CHECK(sanitize_utf8(clean) == clean);
    FUZZ_CHECK(is_valid_utf8(bytes) == (clean == bytes));
    const std::u16string wide = utf8_to_utf16(bytes);
    FUZZ_CHECK(valid_utf16(wide));
    FUZZ_CHECK(utf16_to_utf8(wide) == clean);
    FUZZ_CHECK(utf8_to_utf16(clean) == wide);

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    const std::string narrow = utf16_to_utf8(units);
    FUZZ_CHECK(is_valid_utf8(narrow));
    const std::u16string back = utf8_to_utf16(narrow);
    FUZZ_CHECK(valid_utf16(back));
    FUZZ_CHECK((back == units) == valid_utf16(units));
    return 0;
}
