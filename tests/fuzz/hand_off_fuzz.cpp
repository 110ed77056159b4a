// The hand-off text as the receiver decodes it from whatever bytes a WM_COPYDATA carries: odd sizes,
// no terminator, stray surrogates. The input is copied into a buffer of exactly its size, so reading
// past cbData is caught; text the sender would have sent comes back exactly.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/fuzz_check.h"
#include "app/shell/hand_off.h"
#include "base/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto exact = std::make_unique<uint8_t[]>(size);
    if (size) std::memcpy(exact.get(), data, size);
    const std::string text = hand_off_text(exact.get(), size);
    FUZZ_CHECK(is_valid_utf8(text));
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(text.size() <= size / 2 * 3 && text.size() <= kLongestHandOffUnits * 3);
    is_hand_off_target(text);
    FUZZ_CHECK(hand_off_text(nullptr, size).empty());

    // What a sending copy makes of this text must decode to the same text.
    const std::u16string units = utf8_to_utf16(text);
    std::u16string message = units + u'\0';
    FUZZ_CHECK(hand_off_text(message.data(), message.size() * 2) == text);
    return 0;
}
