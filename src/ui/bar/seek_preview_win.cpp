#include "ui/bar/seek_preview_win.h"

#include <algorithm>
#include <string>

#include "app/app_state_win.h"
#include "base/command_line.h"
#include "base/dpi_scale.h"
#include "base/gdi_win.h"
#include "base/wide_win.h"
#include "ui/bar/bar_model.h"
#include "ui/bar/bar_mouse_win.h"
#include "ui/bar/seek_preview.h"
#include "ui/window_modes_win.h"

namespace {

constexpr wchar_t kSeekPreviewClass[] = L"TarnwickLight.SeekPreview";
constexpr int kPaddingX = 8;  // at 96 DPI, on each side of the time
constexpr int kPaddingY = 4;
constexpr int kGap = 6;  // between the popup and the bar's top edge

std::wstring title_of(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The picture's size for the file that plays, at the window's DPI; empty for the time alone.
PictureSize picture_size(const App& app) {
    return seek_preview_picture_size(app.preview.video_width, app.preview.video_height, app.windows.dpi);
}

// The picture of the wish the worker was last given, or black while it is being made: never the
// picture of another time.
void paint_picture(const App& app, HDC dc, int left, int top, PictureSize size) {
    const PreviewPicture& picture = app.preview.picture;
    if (picture.failed() || !app.preview.sent || !(picture.wish == *app.preview.sent)) {
        fill_solid(dc, RECT{left, top, left + size.width, top + size.height}, RGB(0, 0, 0));
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.wish.width;
    info.bmiHeader.biHeight = -picture.wish.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(picture.wish.width), static_cast<DWORD>(picture.wish.height), 0,
                      0, 0, static_cast<UINT>(picture.wish.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
}

void paint_preview(const App& app, HWND window, HDC dc, int width, int height) {
    const Palette& palette = app.windows.palette;
    fill_solid(dc, RECT{0, 0, width, height}, palette.top_line);  // a one-pixel frame
    fill_solid(dc, RECT{1, 1, width - 1, height - 1}, palette.background);
    const PictureSize picture = picture_size(app);
    if (picture.height > 0) paint_picture(app, dc, (width - picture.width) / 2, 1, picture);
    const SelectGuard font(dc, app.windows.fonts.text.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette.normal);
    const std::wstring text = title_of(window);
    RECT rect{0, picture.height > 0 ? 1 + picture.height : 0, width, height};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void paint_with_app(HWND window, HDC target) {
    if (!g_app) return;
    paint_buffered(window, target,
                   [window](HDC dc, int width, int height) { paint_preview(*g_app, window, dc, width, height); });
}

LRESULT CALLBACK seek_preview_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // the pointer belongs to what lies under it
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope scope(window);
            paint_with_app(window, scope.dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            paint_with_app(window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_DESTROY:
            if (g_app && g_app->windows.seek_preview == window) g_app->windows.seek_preview = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// The class is registered with the first popup, not at start-up; a second App of the same process
// finds it registered already, which is as good.
HWND make_popup(App& app) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = seek_preview_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kSeekPreviewClass;
    RegisterClassExW(&window_class);
    app.windows.seek_preview =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kSeekPreviewClass, L"", WS_POPUP, 0, 0, 0, 0,
                        app.windows.main_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    return app.windows.seek_preview;
}

// Whether the pointer (or a drag) is on the seek bar of a visible bar, in a window in front. The
// hover goes when the pointer leaves the window; the one a drag leaves behind is that of its start,
// so the pointer must be over the seek bar now as well. Most calls come from playback events with
// the pointer elsewhere, and end here without a layout.
bool wants_preview(const App& app) {
    const HWND main = app.windows.main_window;
    if (!main || IsIconic(main) || GetActiveWindow() != main || app.mode.menu_open) return false;
    if (app.mode.fullscreen && !app.mode.bar_shown) return false;
    if (app.bar.drag == Drag::seek) return true;
    return app.bar.drag == Drag::none && app.bar.hover_button == BarHit::seek_bar &&
           bar_hit_test(app, app.mode.last_mouse.x, app.mode.last_mouse.y) == BarHit::seek_bar;
}

// The end of the file takes the popup away, as if the pointer had left; the next move over the seek
// bar brings it back, to jump back from the last frame.
bool hidden_by_the_end(App& app) {
    SeekPreviewPictures& preview = app.preview;
    if (!app.playback.eof_reached) {
        preview.ended_at.reset();
        preview.moved_since_end = false;
        return false;
    }
    const POINT pointer = app.mode.last_mouse;
    if (!preview.ended_at) preview.ended_at = pointer;
    if (preview.ended_at->x != pointer.x || preview.ended_at->y != pointer.y) preview.moved_since_end = true;
    return !preview.moved_since_end;
}

SIZE text_size(const App& app, HWND window, const std::wstring& text) {
    const WindowDc dc(window);
    const SelectGuard font(dc.get(), app.windows.fonts.text.get());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// The popup's outer size for `text`, with the picture above it. The text is measured when it is new
// or the popup was hidden, so that a still pointer costs no drawing context.
SIZE popup_size(App& app, HWND popup, const std::wstring& text, bool measure) {
    if (measure) app.windows.seek_preview_text = text_size(app, popup, text);
    const SIZE inner = app.windows.seek_preview_text;
    const PictureSize picture = picture_size(app);
    const int text_width = inner.cx + 2 * scale_px(kPaddingX, app.windows.dpi);
    return SIZE{std::max(text_width, picture.width + 2),
                inner.cy + 2 * scale_px(kPaddingY, app.windows.dpi) + picture.height};
}

// Everything of the pictures goes with the file they are of; the worker ends on its own.
void follow_file(App& app) {
    const PlaybackState& playback = app.playback;
    const std::string file = playback.file_loaded && playback.current_file ? *playback.current_file : std::string();
    if (file == app.preview.file) return;
    stop_preview_worker(std::move(app.preview.worker), 0);
    app.preview = SeekPreviewPictures{};
    app.preview.file = file;
}

// The video's size, read from the player the first time the pointer is over the seek bar: a local
// file's video that is not a still picture (an album's cover) has pictures. Until a frame is decoded
// the player may not know the size yet, and it is asked again on the next move.
void look_up_video(App& app) {
    SeekPreviewPictures& preview = app.preview;
    if (preview.looked_up) return;
    if (!app.core || !has_render_api(app.core->api) || is_url(preview.file)) {
        preview.looked_up = true;
        return;
    }
    const MpvApi& api = app.core->api;
    int64_t width = 0;
    int64_t height = 0;
    if (api.mpv_get_property(app.core->handle, "video-params/dw", MPV_FORMAT_INT64, &width) < 0 ||
        api.mpv_get_property(app.core->handle, "video-params/dh", MPV_FORMAT_INT64, &height) < 0)
        return;
    int still = 0;
    if (api.mpv_get_property(app.core->handle, "current-tracks/video/image", MPV_FORMAT_FLAG, &still) < 0) still = 0;
    preview.looked_up = true;
    if (still) return;
    preview.video_width = width;
    preview.video_height = height;
}

// Asks for the picture of `second`, starting the worker the first time.
void want_picture(App& app, int64_t second) {
    SeekPreviewPictures& preview = app.preview;
    const PictureSize size = picture_size(app);
    if (size.height <= 0) return;
    const PreviewWish wish{preview.file, second, size.width, size.height};
    if (preview.sent && *preview.sent == wish) return;
    if (!preview.worker) {
        const HWND main = app.windows.main_window;
        preview.worker =
            start_preview_worker(app.core->api, [main] { PostMessageW(main, kMsgSeekPreviewPicture, 0, 0); });
        if (!preview.worker) return;
    }
    preview.sent = wish;
    want_preview(*preview.worker, wish);
}

PixelRect work_area_of(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return PixelRect{work.left, work.top, work.right, work.bottom};
}

}  // namespace

void hide_seek_preview(App& app) {
    if (app.windows.seek_preview && IsWindowVisible(app.windows.seek_preview))
        ShowWindow(app.windows.seek_preview, SW_HIDE);
}

void follow_seek_preview(App& app) {
    follow_file(app);
    if (hidden_by_the_end(app) || !wants_preview(app)) return hide_seek_preview(app);
    RECT client{};
    GetClientRect(app.windows.main_window, &client);
    const int bar_top = client.bottom - bar_height(app);
    const BarRect seek = compute_bar_layout(app.windows.dpi, client.right, bar_height(app)).seek_rect;
    const bool dragging = app.bar.drag == Drag::seek;
    const double fraction = dragging ? app.bar.seek_fraction : slider_fraction(app.mode.last_mouse.x, seek);
    const std::string time = seek_preview_time(app.playback, fraction);
    if (time.empty()) return hide_seek_preview(app);
    look_up_video(app);
    want_picture(app, *seek_preview_second(app.playback, fraction));

    const HWND popup = app.windows.seek_preview ? app.windows.seek_preview : make_popup(app);
    if (!popup) return;
    const std::wstring text = wide(time);
    const bool visible = IsWindowVisible(popup) != FALSE;
    const bool new_text = title_of(popup) != text;
    if (new_text) {
        SetWindowTextW(popup, text.c_str());
        InvalidateRect(popup, nullptr, FALSE);
    }
    RECT now{};
    GetWindowRect(popup, &now);
    const SIZE size = popup_size(app, popup, text, new_text || !visible);
    POINT pointer{dragging ? seek.left + static_cast<LONG>(fraction * (seek.right - seek.left)) : app.mode.last_mouse.x,
                  bar_top};
    ClientToScreen(app.windows.main_window, &pointer);
    const PixelRect placed = seek_preview_rect(pointer.x, pointer.y, size.cx, size.cy, scale_px(kGap, app.windows.dpi),
                                               work_area_of(app.windows.main_window));
    if (visible && now.left == placed.left && now.top == placed.top && now.right == placed.right &&
        now.bottom == placed.bottom)
        return;  // playback events come 25 times a second; a still pointer moves nothing
    SetWindowPos(popup, HWND_TOP, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void on_seek_preview_picture(App& app) {
    SeekPreviewPictures& preview = app.preview;
    if (!preview.worker) return;  // of a file that has gone
    std::optional<PreviewPicture> picture = take_preview_picture(*preview.worker);
    if (!picture || picture->wish.file != preview.file) return;
    if (picture->failed()) {
        // The file cannot be shown in pictures: the time alone, from now on.
        stop_preview_worker(std::move(preview.worker), 0);
        preview.video_width = preview.video_height = 0;
        follow_seek_preview(app);
    } else {
        preview.picture = std::move(*picture);
    }
    if (app.windows.seek_preview) InvalidateRect(app.windows.seek_preview, nullptr, FALSE);
}
