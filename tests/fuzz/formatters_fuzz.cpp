// The time, volume and speed texts over arbitrary doubles (NaN, infinities, denormals, huge values):
// the shortest form reads back as the same number without an exponent, the seek form has exactly
// three decimals, a clock reads back as the whole seconds it shows, and every message is UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/playback/playback_messages.h"
#include "app/playback/speed_ladder.h"
#include "base/number_format.h"
#include "base/utf.h"
#include "fuzz/fuzz_check.h"
#include "ui/bar/bar_model.h"

namespace {

double any_double(FuzzedDataProvider& in) {
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return in.ConsumeBool() ? value : in.ConsumeIntegralInRange(-100000, 100000) / 8.0;
}

bool digits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

void check_shortest(double value) {
    const std::string text = format_shortest(value);
    if (!std::isfinite(value)) return;
    FUZZ_CHECK(text.find_first_of("eE") == std::string::npos);
    FUZZ_CHECK(std::strtod(text.c_str(), nullptr) == value);
    if (text.find('.') != std::string::npos) FUZZ_CHECK(text.back() != '0' && text.back() != '.');
}

void check_fixed3(double value) {
    const std::string text = format_fixed3(value);
    if (!std::isfinite(value)) return;
    const size_t point = text.find('.');
    FUZZ_CHECK(point != std::string::npos && text.size() - point == 4 && digits(text.substr(point + 1)));
    FUZZ_CHECK(std::fabs(std::strtod(text.c_str(), nullptr) - value) <= 0.0005 + std::fabs(value) * 1e-15);
}

// "M:SS" below an hour, "H:MM:SS" from an hour on; the pieces add up to the whole seconds.
void check_clock(double value) {
    const std::string text = format_clock(value);
    const uint64_t seconds = whole_seconds(value);
    FUZZ_CHECK(text.size() >= 4 && text[text.size() - 3] == ':' && digits(text.substr(text.size() - 2)));
    const std::string head = text.substr(0, text.size() - 3);
    uint64_t total = std::strtoull(text.c_str() + text.size() - 2, nullptr, 10);
    if (seconds >= 3600) {
        FUZZ_CHECK(head.size() >= 4 && head[head.size() - 3] == ':' && digits(head.substr(head.size() - 2)));
        FUZZ_CHECK(digits(head.substr(0, head.size() - 3)));
        total += std::strtoull(head.c_str() + head.size() - 2, nullptr, 10) * 60;
        total += std::strtoull(head.c_str(), nullptr, 10) * 3600;
    } else {
        FUZZ_CHECK(digits(head));
        total += std::strtoull(head.c_str(), nullptr, 10) * 60;
    }
    FUZZ_CHECK(total == seconds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    set_active_language(in.ConsumeBool() ? Language::english : Language::french);
    const double value = any_double(in);
    check_shortest(value);
    check_fixed3(value);
    check_clock(value);
    FUZZ_CHECK(is_valid_utf8(volume_message(value)));
    FUZZ_CHECK(is_valid_utf8(speed_message(value)));
    FUZZ_CHECK(is_valid_utf8(resume_message(value)));

    PlaybackState playback;
    playback.position = value;
    playback.duration = any_double(in);
    playback.speed = any_double(in);
    playback.file_loaded = in.ConsumeBool();
    const bool dragging = in.ConsumeBool();
    const double fraction = any_double(in);
    FUZZ_CHECK(is_valid_utf8(bar_time_text(playback, dragging, fraction)));
    const double fill = seek_bar_fraction(playback, false, 0);
    FUZZ_CHECK(fill >= 0 && fill <= 1);

    const int step = in.ConsumeIntegralInRange(-1, 1);
    const double next = next_speed(playback.speed, step);
    const int rung = speed_index(next);
    FUZZ_CHECK(rung >= 0 && rung < static_cast<int>(kSpeedLadder.size()) && kSpeedLadder[rung] == next);
    return 0;
}
