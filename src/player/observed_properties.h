// The properties the core reports whenever they change. The one list below drives both the
// observation at start-up and the event fold, so a reply id always means the same property.
#pragma once

#include <cstdint>

#include <mpv/client.h>

// X(reply id, enumerator, libmpv name, format observed in)
#define TARNWICK_OBSERVED_PROPERTIES(X)                       \
    X(1, kObservedTimePos, "time-pos", MPV_FORMAT_DOUBLE)     \
    X(2, kObservedDuration, "duration", MPV_FORMAT_DOUBLE)    \
    X(3, kObservedPause, "pause", MPV_FORMAT_FLAG)            \
    X(4, kObservedVolume, "volume", MPV_FORMAT_DOUBLE)        \
    X(5, kObservedMute, "mute", MPV_FORMAT_FLAG)              \
    X(6, kObservedEofReached, "eof-reached", MPV_FORMAT_FLAG) \
    X(7, kObservedSpeed, "speed", MPV_FORMAT_DOUBLE)          \
    X(8, kObservedSid, "sid", MPV_FORMAT_STRING)

// Reply ids of the observed properties.
enum ObservedProperty : uint64_t {
#define TARNWICK_OBSERVED_ID(id, name, mpv_name, format) name = id,
    TARNWICK_OBSERVED_PROPERTIES(TARNWICK_OBSERVED_ID)
#undef TARNWICK_OBSERVED_ID
};
