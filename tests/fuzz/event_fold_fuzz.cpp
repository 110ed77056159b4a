// The event fold over arbitrary event sequences: any event id (unknown ones too), any reply id,
// property values in any format or none, end-of-file reasons of any value, positions of any double.
// Each event leaves the playback state where the fold's rules put it, the bar marks always match
// the position, and a resume is announced only from the first position after a load.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/utf.h"
#include "fuzz/fuzz_check.h"
#include "player/event_fold.h"

namespace {

template <typename Field>
void set_raw(Field& field, int value) {
    static_assert(sizeof(Field) == sizeof(int));
    std::memcpy(&field, &value, sizeof value);
}

double any_double(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return in.ConsumeFloatingPoint<double>();
        case 1:
            return in.ConsumeIntegralInRange(-5, 7200) / 4.0;
        default: {
            const uint64_t bits = in.ConsumeIntegral<uint64_t>();  // NaNs and infinities included
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
    }
}

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    PlaybackState state;
    if (in.ConsumeBool()) state.current_file = sanitize_utf8(in.ConsumeRandomLengthString(32));
    state.seek_bar_width = in.ConsumeIntegralInRange<int32_t>(0, 8000);

    while (in.remaining_bytes() > 0) {
        mpv_event event{};
        const int id = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 26) : in.ConsumeIntegral<int>();
        set_raw(event.event_id, id);
        event.reply_userdata =
            in.ConsumeBool() ? in.ConsumeIntegralInRange<uint64_t>(0, 9) : in.ConsumeIntegral<uint64_t>();
        double number = any_double(in);
        int flag = in.ConsumeIntegral<int>();
        const std::string text = in.ConsumeRandomLengthString(16);
        const char* text_pointer = in.ConsumeBool() ? text.c_str() : nullptr;
        mpv_event_property property{"", MPV_FORMAT_NONE, nullptr};
        mpv_event_end_file end{};
        const int format = in.ConsumeIntegralInRange(-1, 11);
        set_raw(property.format, format);
        if (in.ConsumeBool()) {
            property.data = format == MPV_FORMAT_DOUBLE   ? static_cast<void*>(&number)
                            : format == MPV_FORMAT_STRING ? static_cast<void*>(&text_pointer)
                                                          : static_cast<void*>(&flag);
        }
        set_raw(end.reason, in.ConsumeIntegralInRange(-1, 5));
        if (id == MPV_EVENT_PROPERTY_CHANGE && in.ConsumeBool()) event.data = &property;
        if (id == MPV_EVENT_END_FILE && in.ConsumeBool()) event.data = &end;

        const PlaybackState before = state;
        const EventOutcome outcome = fold_event(state, event);

        FUZZ_CHECK(outcome.stop == (id == MPV_EVENT_NONE || id == MPV_EVENT_SHUTDOWN));
        if (id == MPV_EVENT_FILE_LOADED)
            FUZZ_CHECK(state.file_loaded && !state.eof_reached && outcome.file_loaded && state.start_position_pending);
        if (id == MPV_EVENT_END_FILE) FUZZ_CHECK(!state.file_loaded);
        if (id != MPV_EVENT_PROPERTY_CHANGE || !event.data) FUZZ_CHECK(same(state.position, before.position));
        const bool has_double = event.data && format == MPV_FORMAT_DOUBLE && property.data;
        if (id == MPV_EVENT_PROPERTY_CHANGE && event.data && event.reply_userdata == kObservedTimePos) {
            FUZZ_CHECK(same(state.position, has_double ? number : 0));
            const PositionMarks marks = position_marks(state.position, state.duration, state.seek_bar_width);
            FUZZ_CHECK(state.shown_second == marks.second && state.shown_bar_pos == marks.bar_pos);
            if (before.start_position_pending) FUZZ_CHECK(state.start_position_pending == !has_double);
        }
        const bool starts_past_a_second = before.start_position_pending && id == MPV_EVENT_PROPERTY_CHANGE &&
                                          event.data && event.reply_userdata == kObservedTimePos && has_double &&
                                          number > 1.0;
        FUZZ_CHECK(outcome.resumed_at.has_value() == starts_past_a_second);
        if (outcome.resumed_at) FUZZ_CHECK(*outcome.resumed_at == number);
        if (id == MPV_EVENT_PROPERTY_CHANGE && event.data && event.reply_userdata == kObservedSpeed)
            FUZZ_CHECK(same(state.speed, has_double ? number : 1.0));
        if (id == MPV_EVENT_PROPERTY_CHANGE && event.data && event.reply_userdata == kObservedVolume)
            FUZZ_CHECK(same(state.current_volume, has_double ? number : before.current_volume));
        FUZZ_CHECK(state.current_file == before.current_file);
    }
    return 0;
}
