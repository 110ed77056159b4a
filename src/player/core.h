// The player core: the libmpv entry points the program uses, resolved at run time, and the handle.
// The one list below drives the loader's order of resolution, its missing-function text and the
// recording fakes of the tests.
#pragma once

#include <mpv/client.h>

#define TARNWICK_MPV_ENTRY_POINTS(X) \
    X(mpv_create)                    \
    X(mpv_initialize)                \
    X(mpv_set_option_string)         \
    X(mpv_command)                   \
    X(mpv_command_async)             \
    X(mpv_command_string)            \
    X(mpv_set_property_async)        \
    X(mpv_get_property)              \
    X(mpv_observe_property)          \
    X(mpv_wait_event)                \
    X(mpv_set_wakeup_callback)       \
    X(mpv_terminate_destroy)         \
    X(mpv_free)

struct MpvApi {
#define TARNWICK_DECLARE_ENTRY(name) decltype(&::name) name = nullptr;
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_DECLARE_ENTRY)
#undef TARNWICK_DECLARE_ENTRY
};

// Present or absent as a whole: the program holds a std::optional<Core>.
struct Core {
    MpvApi api;
    mpv_handle* handle = nullptr;
};

// Names in the order the loader resolves them.
inline constexpr const char* kMpvEntryPointNames[] = {
#define TARNWICK_ENTRY_NAME(name) #name,
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_ENTRY_NAME)
#undef TARNWICK_ENTRY_NAME
};
