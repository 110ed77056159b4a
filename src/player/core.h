// The player core: the libmpv entry points the program uses, resolved at run time, and the handle.
// The one list below drives the loader's order of resolution, its missing-function text and the
// recording fakes of the tests.
#pragma once

#include <mpv/client.h>
#include <mpv/render.h>

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

// The software render API, for the seek bar's pictures only: optional, a library without it plays
// as well and the seek bar shows the time alone.
#define TARNWICK_MPV_RENDER_ENTRY_POINTS(X)   \
    X(mpv_render_context_create)              \
    X(mpv_render_context_set_update_callback) \
    X(mpv_render_context_update)              \
    X(mpv_render_context_render)              \
    X(mpv_render_context_free)

#define TARNWICK_DECLARE_ENTRY(name) decltype(&::name) name = nullptr;
struct MpvRenderApi {
    TARNWICK_MPV_RENDER_ENTRY_POINTS(TARNWICK_DECLARE_ENTRY)
};

struct MpvApi {
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_DECLARE_ENTRY)
    MpvRenderApi render;  // all of it or none
};
#undef TARNWICK_DECLARE_ENTRY

inline bool has_render_api(const MpvApi& api) { return api.render.mpv_render_context_create != nullptr; }

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
