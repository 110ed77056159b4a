#include "base/gdi_win.h"

#include "base/dpi_scale.h"
#include "base/number_format.h"

MemoryCanvas::MemoryCanvas(HDC reference, int width, int height) {
    dc_ = CreateCompatibleDC(reference);
    if (!dc_) return;
    // A zero-sized client area still gets a bitmap, so that the paint path stays the same.
    bitmap_ = CreateCompatibleBitmap(reference, width > 1 ? width : 1, height > 1 ? height : 1);
    if (bitmap_) previous_ = SelectObject(dc_, bitmap_);
}

MemoryCanvas::~MemoryCanvas() {
    if (previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

void MemoryCanvas::copy_to(HDC target, int width, int height) const {
    if (ok()) BitBlt(target, 0, 0, width, height, dc_, 0, 0, SRCCOPY);
}

const MemoryCanvas* KeptCanvas::sized(HDC reference, int width, int height) {
    if (!canvas_ || width != width_ || height != height_) {
        canvas_.reset();  // the old bitmap goes before the new one is made
        canvas_ = std::make_unique<MemoryCanvas>(reference, width, height);
        width_ = width;
        height_ = height;
    }
    return canvas_->ok() ? canvas_.get() : nullptr;
}

void fill_solid(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void fill_round_rect(HDC dc, const RECT& rect, int corner, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    const SelectGuard select_brush(dc, brush.get());
    const SelectGuard select_pen(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner, corner);
}

void fill_ellipse(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    const SelectGuard select_brush(dc, brush.get());
    const SelectGuard select_pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

HFONT create_ui_font(const wchar_t* face, int32_t size, int weight, uint32_t dpi, bool underline) {
    return CreateFontW(-scale_px(size, dpi), 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}
