// The seek bar's pictures: a second player core on the same library that plays nothing and only
// renders the key frame at or before a wanted second into memory. A thread of its own owns the core,
// so nothing the window's thread asks of it waits for decoding; a newer wish replaces one not yet
// started, and at most one decode is in flight.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player/core.h"

// What the seek bar points at: a second of a file, as a picture of width x height pixels.
struct PreviewWish {
    std::string file;
    int64_t second = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PreviewWish& other) const {
        return second == other.second && width == other.width && height == other.height && file == other.file;
    }
};

// The picture of a wish, 32-bit pixels top-down, blue in the low byte; no pixels when the file could
// not be opened or decoded, so there is no picture of it to wait for.
struct PreviewPicture {
    PreviewWish wish;
    std::vector<uint32_t> pixels;
    bool failed() const { return pixels.empty(); }
};

struct PreviewWorker;

// Starts the thread, which creates and sets up its core. `on_picture` runs on that thread each time
// a picture (or a failure) is ready to take; it must not call back into the worker.
std::shared_ptr<PreviewWorker> start_preview_worker(const MpvApi& api, std::function<void()> on_picture);

// The newest wish; an older one still waiting is dropped, one being decoded finishes first.
void want_preview(PreviewWorker& worker, PreviewWish wish);

// The newest picture made since the last call, if any.
std::optional<PreviewPicture> take_preview_picture(PreviewWorker& worker);

// Asks the thread to end, destroying its core, and waits for it at most `wait_ms`; false when it
// had not ended by then (it goes on ending on its own, its state kept alive by the thread).
bool stop_preview_worker(std::shared_ptr<PreviewWorker> worker, uint32_t wait_ms);
