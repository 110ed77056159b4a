// Owners for the GDI handles the owner-drawn windows use, so that every paint path gives back what it
// took even when it leaves early. None of them can be copied: a copy would delete or restore twice.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "base/pixel_rect.h"
#include "base/win32_win.h"

// A brush, pen, font or bitmap deleted with its owner.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back, into the same DC, when it goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The double buffer: a memory DC with a compatible bitmap of at least 1 x 1 selected into it. The
// whole picture is composed here and copied to the window in one BitBlt, so nothing flickers.
class MemoryCanvas {
public:
    MemoryCanvas(HDC reference, int width, int height);
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas();

    HDC dc() const { return dc_; }
    bool ok() const { return dc_ && bitmap_; }
    // Copies width x height from the canvas's origin to the target's origin.
    void copy_to(HDC target, int width, int height) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A MemoryCanvas kept from one paint of a window to the next, for a window that repaints several
// times a second (the bar while a file plays): under Wine, making the bitmap cost as much as all
// the rest of such a repaint. Made again when the size changes.
class KeptCanvas {
public:
    // The canvas for a client area of width x height, compatible with `reference`; null when it
    // cannot be made.
    const MemoryCanvas* sized(HDC reference, int width, int height);
    void release() { canvas_.reset(); }

private:
    std::unique_ptr<MemoryCanvas> canvas_;
    int width_ = 0;
    int height_ = 0;
};

// WM_PAINT and WM_PRINTCLIENT of an owner-drawn window: paint(dc, width, height) composes the client
// area on the canvas, copied to `target` in one BitBlt.
template <typename Paint>
void paint_buffered(HWND window, HDC target, KeptCanvas& kept, const Paint& paint) {
    RECT client{};
    GetClientRect(window, &client);
    const MemoryCanvas* canvas = kept.sized(target, client.right, client.bottom);
    if (!canvas) return;
    paint(canvas->dc(), client.right, client.bottom);
    canvas->copy_to(target, client.right, client.bottom);
}

// The same on a canvas made for this paint alone.
template <typename Paint>
void paint_buffered(HWND window, HDC target, const Paint& paint) {
    KeptCanvas once;
    paint_buffered(window, target, once, paint);
}

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// GetDC and ReleaseDC around a measurement outside WM_PAINT.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

inline RECT to_rect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Drawing helpers: each creates its brush, draws with the stock null pen and deletes the brush.
void fill_solid(HDC dc, const RECT& rect, COLORREF colour);
void fill_round_rect(HDC dc, const RECT& rect, int corner, COLORREF colour);
void fill_ellipse(HDC dc, const RECT& rect, COLORREF colour);

// CreateFontW for a size in pixels at 96 DPI (a negative height: the character height).
HFONT create_ui_font(const wchar_t* face, int32_t size, int weight, uint32_t dpi, bool underline = false);
