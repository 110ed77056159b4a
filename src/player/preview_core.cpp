#include "player/preview_core.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

struct PreviewWorker {
    MpvApi api;
    std::function<void()> on_picture;
    std::mutex mutex;
    std::condition_variable woken;  // a wish, a frame, an event of the core, or the stop
    std::condition_variable ended_changed;
    bool signalled = false;
    bool stop = false;
    bool ended = false;
    std::optional<PreviewWish> wish;        // the newest, not started yet
    std::optional<PreviewPicture> picture;  // the newest made, not taken yet
};

namespace {

using Clock = std::chrono::steady_clock;

// Nothing to hear, show or remember, no scripts or configuration of the user's; key frames only,
// seeked to and decoded, in software, with little read ahead. keep-open holds the last frame of a
// seek to the end.
constexpr const char* kPreviewOptions[][2] = {
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"vo", "libmpv"},
    {"ao", "null"},
    {"aid", "no"},
    {"sid", "no"},
    {"audio-file-auto", "no"},
    {"sub-auto", "no"},
    {"hwdec", "no"},
    {"hr-seek", "no"},
    {"pause", "yes"},
    {"resume-playback", "no"},
    {"save-position-on-quit", "no"},
    {"keep-open", "always"},
    {"idle", "yes"},
    {"osd-level", "0"},
    {"cache", "no"},
    {"demuxer-max-bytes", "1MiB"},
    {"demuxer-max-back-bytes", "0"},
    {"demuxer-readahead-secs", "0"},
    {"vd-lavc-skiploopfilter", "all"},
    {"vd-lavc-skipframe", "nokey"},  // no reference frames kept for frames never shown
    {"vd-lavc-threads", "1"},
};

enum Reply : uint64_t { kReplyLoad = 1, kReplySeek = 2 };
constexpr auto kLostDecode = std::chrono::seconds(3);  // a seek that never restarted is given up

struct Session {
    mpv_handle* handle = nullptr;
    mpv_render_context* render = nullptr;
    std::string opened;  // the file asked for; its wishes seek in it
    std::string failed;  // a file that could not be opened
    std::optional<PreviewWish> in_flight;
    Clock::time_point since;
    bool fresh_frame = false;  // rendered since the wish in flight began
    std::vector<uint32_t> frame;
    int32_t frame_width = 0;
    int32_t frame_height = 0;
};

void wake(PreviewWorker& worker) {
    {
        const std::lock_guard<std::mutex> lock(worker.mutex);
        worker.signalled = true;
    }
    worker.woken.notify_one();
}

void wake_callback(void* data) { wake(*static_cast<PreviewWorker*>(data)); }

void deliver(PreviewWorker& worker, PreviewPicture picture) {
    {
        const std::lock_guard<std::mutex> lock(worker.mutex);
        worker.picture = std::move(picture);
        worker.signalled = true;  // a wish that waited behind this one can start now
    }
    worker.on_picture();
}

bool open_core(PreviewWorker& worker, Session& session) {
    const MpvApi& api = worker.api;
    session.handle = api.mpv_create();
    if (!session.handle) return false;
    for (const auto& option : kPreviewOptions) api.mpv_set_option_string(session.handle, option[0], option[1]);
    if (api.mpv_initialize(session.handle) < 0) return false;
    char software[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, software}, {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (api.render.mpv_render_context_create(&session.render, session.handle, params) < 0) {
        session.render = nullptr;
        return false;
    }
    api.render.mpv_render_context_set_update_callback(session.render, wake_callback, &worker);
    api.mpv_set_wakeup_callback(session.handle, wake_callback, &worker);
    return true;
}

void close_core(const MpvApi& api, Session& session) {
    if (session.render) api.render.mpv_render_context_free(session.render);  // before the core goes
    if (session.handle) {
        api.mpv_set_wakeup_callback(session.handle, nullptr, nullptr);
        api.mpv_terminate_destroy(session.handle);
    }
}

// The core waits for each new frame to be rendered before it goes on, so every frame is rendered
// as soon as it is there: at the wish's size, or the last size while none is in flight.
void render_new_frame(const MpvApi& api, Session& session) {
    if (!(api.render.mpv_render_context_update(session.render) & MPV_RENDER_UPDATE_FRAME)) return;
    if (session.in_flight) {
        session.frame_width = session.in_flight->width;
        session.frame_height = session.in_flight->height;
    }
    if (session.frame_width <= 0 || session.frame_height <= 0) session.frame_width = session.frame_height = 16;
    session.frame.resize(static_cast<size_t>(session.frame_width) * static_cast<size_t>(session.frame_height));
    int size[2] = {session.frame_width, session.frame_height};
    size_t stride = static_cast<size_t>(session.frame_width) * sizeof(uint32_t);
    char format[] = "bgr0";
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, session.frame.data()},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (api.render.mpv_render_context_render(session.render, params) >= 0) session.fresh_frame = true;
}

void fail_in_flight(PreviewWorker& worker, Session& session) {
    if (!session.in_flight) return;
    session.failed = session.in_flight->file;
    deliver(worker, PreviewPicture{*std::exchange(session.in_flight, std::nullopt), {}});
}

// The picture is the wish's once the core has restarted after its seek (or its load's start).
void finish_in_flight(PreviewWorker& worker, Session& session) {
    render_new_frame(worker.api, session);
    if (!session.in_flight) return;
    const PreviewWish wish = *std::exchange(session.in_flight, std::nullopt);
    if (session.fresh_frame && session.frame_width == wish.width && session.frame_height == wish.height)
        deliver(worker, PreviewPicture{wish, session.frame});
    else
        wake(worker);  // nothing new to show; the next wish may start
}

void read_events(PreviewWorker& worker, Session& session) {
    const MpvApi& api = worker.api;
    for (;;) {
        const mpv_event* event = api.mpv_wait_event(session.handle, 0);
        if (!event || event->event_id == MPV_EVENT_NONE) return;
        switch (event->event_id) {
            case MPV_EVENT_PLAYBACK_RESTART:
                finish_in_flight(worker, session);
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<const mpv_event_end_file*>(event->data);
                if (end && end->reason == MPV_END_FILE_REASON_ERROR) fail_in_flight(worker, session);
                break;
            }
            case MPV_EVENT_COMMAND_REPLY:
                if (event->error < 0 && event->reply_userdata == kReplyLoad) fail_in_flight(worker, session);
                if (event->error < 0 && event->reply_userdata == kReplySeek) {
                    session.in_flight.reset();
                    wake(worker);  // the next wish need not wait for the core
                }
                break;
            default:
                break;
        }
    }
}

// Loads the file at the wish's second, or seeks in it to that second's key frame. Asynchronous
// calls only: a call that waited for the core could wait for a frame this thread has to render.
void start_wish(PreviewWorker& worker, Session& session, PreviewWish wish) {
    const MpvApi& api = worker.api;
    if (wish.file == session.failed) return deliver(worker, PreviewPicture{std::move(wish), {}});
    std::string second = std::to_string(wish.second);
    if (wish.file != session.opened) {
        char* start = second.data();
        api.mpv_set_property_async(session.handle, 0, "start", MPV_FORMAT_STRING, &start);
        const char* load[] = {"loadfile", wish.file.c_str(), "replace", nullptr};
        if (api.mpv_command_async(session.handle, kReplyLoad, load) < 0) {
            session.in_flight = std::move(wish);
            return fail_in_flight(worker, session);
        }
        session.opened = wish.file;
    } else {
        const char* seek[] = {"seek", second.c_str(), "absolute+keyframes", nullptr};
        if (api.mpv_command_async(session.handle, kReplySeek, seek) < 0) return;
    }
    session.in_flight = std::move(wish);
    session.since = Clock::now();
    session.fresh_frame = false;
}

// Waits for something to do; the wish to start, if one can start now. False once asked to stop.
bool wait_turn(PreviewWorker& worker, const Session& session, std::optional<PreviewWish>& wish) {
    std::unique_lock<std::mutex> lock(worker.mutex);
    const auto woken = [&] { return worker.signalled || worker.stop; };
    // Idle, only a wish, the core or the stop wakes the thread; a decode in flight has its time.
    if (session.in_flight)
        worker.woken.wait_until(lock, session.since + kLostDecode, woken);
    else
        worker.woken.wait(lock, woken);
    if (worker.stop) return false;
    worker.signalled = false;
    if (!session.in_flight && worker.wish) wish = std::exchange(worker.wish, std::nullopt);
    return true;
}

void run_worker(const std::shared_ptr<PreviewWorker>& worker) {
    Session session;
    const bool opened = open_core(*worker, session);
    std::optional<PreviewWish> wish;
    while (wait_turn(*worker, session, wish)) {
        if (opened) {
            render_new_frame(worker->api, session);
            read_events(*worker, session);
            if (session.in_flight && Clock::now() - session.since >= kLostDecode) {
                session.in_flight.reset();
                wake(*worker);  // a wish that waited behind it may start
            }
        }
        if (!wish) continue;
        if (opened)
            start_wish(*worker, session, std::move(*wish));
        else
            deliver(*worker, PreviewPicture{std::move(*wish), {}});  // no core: no picture of anything
        wish.reset();
    }
    close_core(worker->api, session);
    {
        const std::lock_guard<std::mutex> lock(worker->mutex);
        worker->ended = true;
    }
    worker->ended_changed.notify_all();
}

}  // namespace

std::shared_ptr<PreviewWorker> start_preview_worker(const MpvApi& api, std::function<void()> on_picture) {
    if (!has_render_api(api)) return nullptr;
    auto worker = std::make_shared<PreviewWorker>();
    worker->api = api;
    worker->on_picture = std::move(on_picture);
    std::thread([worker] { run_worker(worker); }).detach();
    return worker;
}

void want_preview(PreviewWorker& worker, PreviewWish wish) {
    {
        const std::lock_guard<std::mutex> lock(worker.mutex);
        worker.wish = std::move(wish);
        worker.signalled = true;
    }
    worker.woken.notify_one();
}

std::optional<PreviewPicture> take_preview_picture(PreviewWorker& worker) {
    const std::lock_guard<std::mutex> lock(worker.mutex);
    return std::exchange(worker.picture, std::nullopt);
}

bool stop_preview_worker(std::shared_ptr<PreviewWorker> worker, uint32_t wait_ms) {
    if (!worker) return true;
    std::unique_lock<std::mutex> lock(worker->mutex);
    worker->stop = true;
    worker->woken.notify_one();
    return worker->ended_changed.wait_for(lock, std::chrono::milliseconds(wait_ms), [&] { return worker->ended; });
}
