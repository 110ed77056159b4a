#include "app/shell/shell_surfaces.h"

#include <algorithm>
#include <cmath>

#include "app/settings/language.h"
#include "base/command_line.h"
#include "player/playback_state.h"

namespace {

// WM_APPCOMMAND's numbers (winuser.h); the Win32 side checks them against the header.
constexpr uint32_t kAppCommandStop = 13;
constexpr uint32_t kAppCommandPlayPause = 14;
constexpr uint32_t kAppCommandPlay = 46;
constexpr uint32_t kAppCommandPause = 47;
constexpr uint32_t kAppCommandFastForward = 49;
constexpr uint32_t kAppCommandRewind = 50;

// SystemMediaTransportControlsButton.
constexpr int32_t kOverlayPlay = 0;
constexpr int32_t kOverlayPause = 1;
constexpr int32_t kOverlayStop = 2;
constexpr int32_t kOverlayFastForward = 4;
constexpr int32_t kOverlayRewind = 5;

constexpr Text kBackTip{"Back 10 s", "Reculer de 10 s"};
// The play/pause button is named by what a click would do: the play or the pause command's label.
constexpr const Text& kPlayTip = command_label(CommandId::play);
constexpr const Text& kPauseTip = command_label(CommandId::pause);
constexpr Text kForwardTip{"Forward 10 s", "Avancer de 10 s"};

uint64_t milliseconds(double seconds) {
    if (!(seconds > 0)) return 0;
    // Far beyond any real duration, and still exact in a double.
    constexpr double kLimit = 9.0e15;
    return static_cast<uint64_t>(std::min(std::round(seconds * 1000), kLimit));
}

// Shapes in a unit square, (0,0) top left: convex polygons, corners in clockwise order on screen.
struct Point {
    double x;
    double y;
};
struct Shape {
    std::array<Point, 4> corners;
    int count;
};

std::vector<Shape> icon_shapes(ThumbIcon icon) {
    switch (icon) {
        case ThumbIcon::play:
            return {{{{{0.28, 0.16}, {0.84, 0.5}, {0.28, 0.84}}}, 3}};
        case ThumbIcon::pause:
            return {{{{{0.24, 0.16}, {0.42, 0.16}, {0.42, 0.84}, {0.24, 0.84}}}, 4},
                    {{{{0.58, 0.16}, {0.76, 0.16}, {0.76, 0.84}, {0.58, 0.84}}}, 4}};
        case ThumbIcon::forward:
            return {{{{{0.1, 0.22}, {0.5, 0.5}, {0.1, 0.78}}}, 3}, {{{{0.5, 0.22}, {0.9, 0.5}, {0.5, 0.78}}}, 3}};
        case ThumbIcon::back:
            return {{{{{0.9, 0.78}, {0.5, 0.5}, {0.9, 0.22}}}, 3}, {{{{0.5, 0.78}, {0.1, 0.5}, {0.5, 0.22}}}, 3}};
    }
    return {};
}

bool inside(const Shape& shape, double x, double y) {
    for (int i = 0; i < shape.count; ++i) {
        const Point a = shape.corners[static_cast<size_t>(i)];
        const Point b = shape.corners[static_cast<size_t>((i + 1) % shape.count)];
        // Clockwise on screen (y down): every inside point lies right of each edge.
        if ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x) < 0) return false;
    }
    return true;
}

}  // namespace

TaskbarProgress taskbar_progress(const PlaybackState& playback, bool failed) {
    // A full red bar says "this one failed" better than an empty one.
    if (failed) return {ProgressKind::error, 1, 1};
    if (!playback.file_loaded || !(playback.duration > 0) || !std::isfinite(playback.duration)) return {};
    TaskbarProgress progress;
    progress.kind = playback.paused || playback.eof_reached ? ProgressKind::paused : ProgressKind::normal;
    progress.total = milliseconds(playback.duration);
    // The second the bar shows, so the taskbar moves when the bar's clock does and no more often.
    const double second = playback.shown_second > 0 ? static_cast<double>(playback.shown_second) : 0.0;
    progress.completed = std::min(milliseconds(second), progress.total);
    return progress;
}

std::array<ThumbButton, 3> thumb_buttons(const PlaybackState& playback) {
    const bool enabled = playback.file_loaded;
    // Like the bar: while playing the middle button pauses; paused or at the end it plays.
    const bool playing = playback.file_loaded && !playback.paused && !playback.eof_reached;
    return {{
        {kThumbBack, ThumbIcon::back, pick(kBackTip), enabled},
        {kThumbPlayPause, playing ? ThumbIcon::pause : ThumbIcon::play, pick(playing ? kPauseTip : kPlayTip), enabled},
        {kThumbForward, ThumbIcon::forward, pick(kForwardTip), enabled},
    }};
}

Command media_command(MediaAction action) {
    switch (action) {
        case MediaAction::toggle_pause:
            return {CommandId::toggle_pause};
        case MediaAction::play:
            return {CommandId::play};
        case MediaAction::pause:
            return {CommandId::pause};
        case MediaAction::back:
            return {CommandId::seek_relative, -kMediaSeekSeconds};
        case MediaAction::forward:
            return {CommandId::seek_relative, kMediaSeekSeconds};
        case MediaAction::none:
            break;
    }
    return {};
}

MediaAction thumb_button_action(uint32_t id) {
    switch (id) {
        case kThumbBack:
            return MediaAction::back;
        case kThumbPlayPause:
            return MediaAction::toggle_pause;
        case kThumbForward:
            return MediaAction::forward;
        default:
            return MediaAction::none;
    }
}

std::vector<uint32_t> thumb_icon_pixels(ThumbIcon icon, int32_t size) {
    if (size <= 0 || size > 1024) return {};
    const auto side = static_cast<size_t>(size);
    std::vector<uint32_t> pixels(side * side, 0);
    const std::vector<Shape> shapes = icon_shapes(icon);
    // 4 x 4 samples per pixel give 17 levels of coverage: smooth edges at 16 pixels.
    constexpr int kSamples = 4;
    for (size_t row = 0; row < side; ++row) {
        for (size_t column = 0; column < side; ++column) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (static_cast<double>(column) + (sx + 0.5) / kSamples) / size;
                    const double y = (static_cast<double>(row) + (sy + 0.5) / kSamples) / size;
                    if (std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return inside(s, x, y); }))
                        ++covered;
                }
            }
            const uint32_t alpha = static_cast<uint32_t>(covered * 255 / (kSamples * kSamples));
            // White, premultiplied: every channel equals the alpha.
            pixels[row * side + column] = alpha << 24 | alpha << 16 | alpha << 8 | alpha;
        }
    }
    return pixels;
}

MediaAction app_command_action(uint32_t command, bool overlay_takes_play_pause) {
    switch (command) {
        case kAppCommandPlayPause:
            return overlay_takes_play_pause ? MediaAction::none : MediaAction::toggle_pause;
        case kAppCommandPlay:
            return overlay_takes_play_pause ? MediaAction::none : MediaAction::play;
        case kAppCommandPause:
            return overlay_takes_play_pause ? MediaAction::none : MediaAction::pause;
        case kAppCommandStop:  // stopping would lose the place; pausing keeps it (no overlay button)
            return MediaAction::pause;
        case kAppCommandFastForward:
            return MediaAction::forward;
        case kAppCommandRewind:
            return MediaAction::back;
        default:
            // Next and previous track (there is no playlist), volume, browser keys: the system's.
            return MediaAction::none;
    }
}

OverlayStatus overlay_status(const PlaybackState& playback) {
    if (!playback.file_loaded) return OverlayStatus::closed;
    if (playback.eof_reached) return OverlayStatus::stopped;
    return playback.paused ? OverlayStatus::paused : OverlayStatus::playing;
}

MediaAction overlay_button_action(int32_t button) {
    switch (button) {
        case kOverlayPlay:
            return MediaAction::play;
        case kOverlayPause:
        case kOverlayStop:
            return MediaAction::pause;
        case kOverlayFastForward:
            return MediaAction::forward;
        case kOverlayRewind:
            return MediaAction::back;
        default:
            return MediaAction::none;
    }
}

std::string display_title(std::string_view path_or_url) {
    const size_t separator = path_or_url.find_last_of("\\/");
    const std::string_view name = separator == std::string_view::npos ? path_or_url : path_or_url.substr(separator + 1);
    return std::string(name.empty() ? path_or_url : name);
}

bool belongs_in_recent_documents(std::string_view path_or_url) { return !path_or_url.empty() && !is_url(path_or_url); }
