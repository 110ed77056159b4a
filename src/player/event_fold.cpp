#include "player/event_fold.h"

#include <cmath>
#include <cstring>
#include <type_traits>

#include "base/number_format.h"
#include "base/utf.h"
#include "player/commands.h"

namespace {

// libmpv's enums arrive from a library that may be newer than our header: an event id, a format or
// an end reason we have never heard of is valid input, but not a valid value of the C++ enum type.
// Reading the bytes as the underlying integer keeps such values well-defined.
template <typename Enum>
int64_t raw(const Enum& value) {
    std::underlying_type_t<Enum> number;
    std::memcpy(&number, &value, sizeof number);
    return static_cast<int64_t>(number);
}

// The value of a property event in the format the property is observed in; absent when the event
// carries another format (the property is unavailable, for one) or no data at all.
std::optional<double> double_value(const mpv_event_property& p) {
    if (raw(p.format) != MPV_FORMAT_DOUBLE || !p.data) return std::nullopt;
    return *static_cast<const double*>(p.data);
}

std::optional<bool> flag_value(const mpv_event_property& p) {
    if (raw(p.format) != MPV_FORMAT_FLAG || !p.data) return std::nullopt;
    return *static_cast<const int*>(p.data) != 0;
}

const char* string_value(const mpv_event_property& p) {
    if (raw(p.format) != MPV_FORMAT_STRING || !p.data) return nullptr;
    return *static_cast<const char* const*>(p.data);
}

bool fold_position(PlaybackState& state, double position) {
    state.position = position;
    const PositionMarks marks = position_marks(position, state.duration, state.seek_bar_width);
    // "time-pos" arrives with every frame; the bar only repaints when its clock or its fill moves.
    if (marks.second == state.shown_second && marks.bar_pos == state.shown_bar_pos) return false;
    state.shown_second = marks.second;
    state.shown_bar_pos = marks.bar_pos;
    return true;
}

// Returns whether the bar must repaint.
bool fold_property(PlaybackState& state, uint64_t id, const mpv_event_property& p) {
    switch (id) {
        case kObservedTimePos:
            return fold_position(state, double_value(p).value_or(0));
        case kObservedDuration:
            state.duration = double_value(p).value_or(0);
            return true;
        case kObservedPause:
            state.paused = flag_value(p).value_or(false);
            return true;
        case kObservedVolume:
            state.current_volume = double_value(p).value_or(state.current_volume);
            return true;
        case kObservedMute:
            state.muted = flag_value(p).value_or(false);
            return true;
        case kObservedEofReached:
            state.eof_reached = flag_value(p).value_or(false);
            return true;
        case kObservedSpeed:
            state.speed = double_value(p).value_or(1.0);
            return true;
        case kObservedSid: {
            const char* text = string_value(p);
            state.subtitles_on = text && is_valid_utf8(text) && std::string_view(text) != "no";
            return true;
        }
        default:
            return false;
    }
}

// Returns whether a file of ours failed to play.
bool fold_end_file(PlaybackState& state, const mpv_event& event) {
    state.file_loaded = false;
    const auto* end = static_cast<const mpv_event_end_file*>(event.data);
    return end && raw(end->reason) == MPV_END_FILE_REASON_ERROR && state.current_file;
}

// The first position reported after a load is where the core started the file: past the first
// second, it has resumed a saved position, and that is worth telling the user about.
std::optional<double> fold_start_position(PlaybackState& state, const mpv_event_property& p) {
    const std::optional<double> position = double_value(p);
    if (!position) return std::nullopt;  // not known yet: the next report tells
    state.start_position_pending = false;
    if (*position > 1.0) return position;
    return std::nullopt;
}

}  // namespace

PositionMarks position_marks(double position, double duration, int32_t seek_bar_width) {
    PositionMarks marks;
    marks.second = saturate_to_i64(std::trunc(position));
    // The fill the bar draws: position / duration clamped to 0..1, times the width, truncated. A
    // finer step repainted the bar with every frame of a short file.
    if (duration > 0 && seek_bar_width > 0) {
        const double fraction = position / duration;
        if (fraction > 0) marks.bar_pos = saturate_to_i32((fraction < 1 ? fraction : 1) * seek_bar_width);
    }
    return marks;
}

EventOutcome fold_event(PlaybackState& state, const mpv_event& event) {
    EventOutcome outcome;
    switch (raw(event.event_id)) {
        case MPV_EVENT_NONE:
        case MPV_EVENT_SHUTDOWN:
            outcome.stop = true;
            break;
        case MPV_EVENT_END_FILE:
            outcome.load_failed = fold_end_file(state, event);
            state.start_position_pending = false;
            outcome.repaint = true;
            break;
        case MPV_EVENT_FILE_LOADED:
            state.file_loaded = true;
            state.eof_reached = false;
            state.start_position_pending = true;
            outcome.file_loaded = true;
            outcome.repaint = true;
            break;
        case MPV_EVENT_PROPERTY_CHANGE: {
            if (!event.data) break;
            const auto& property = *static_cast<const mpv_event_property*>(event.data);
            if (event.reply_userdata == kObservedTimePos && state.start_position_pending)
                outcome.resumed_at = fold_start_position(state, property);
            outcome.repaint = fold_property(state, event.reply_userdata, property);
            break;
        }
        default:
            break;  // log messages, replies to our asynchronous requests, start of file, ...
    }
    return outcome;
}
