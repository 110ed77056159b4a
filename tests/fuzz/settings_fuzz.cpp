// settings.ini text -> record -> text: parsing never fails, the written text reads back as the same
// record (the volume rounded to a whole number, as written), and a second round changes nothing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "base/number_format.h"
#include "app/settings/settings.h"
#include "base/utf.h"

namespace {

bool same_except_volume(const Settings& a, const Settings& b) {
    return a.mute == b.mute && a.multi_instance == b.multi_instance && a.wheel_invert == b.wheel_invert &&
           a.hide_about == b.hide_about && a.always_on_top == b.always_on_top && a.maximized == b.maximized &&
           a.compress == b.compress && a.mpv_options == b.mpv_options && a.language == b.language &&
           a.window_valid == b.window_valid && (!a.window_valid || a.window_rect == b.window_rect);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Settings first = parse_settings(text);
    FUZZ_CHECK(first.volume >= 0 && first.volume <= 100);
    FUZZ_CHECK(!first.window_valid ||
               (first.window_rect.left < first.window_rect.right && first.window_rect.top < first.window_rect.bottom));

    const std::string written = format_settings(first);
    FUZZ_CHECK(is_valid_utf8(written));
    const Settings second = parse_settings(written);
    FUZZ_CHECK(same_except_volume(first, second));
    FUZZ_CHECK(second.volume == round_half_away(first.volume));

    FUZZ_CHECK(format_settings(second) == written);
    return 0;
}
