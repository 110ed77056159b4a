#include "ui/card_window_win.h"

#include "ui/fonts_win.h"

RECT centred_over(HWND owner, SIZE size) {
    RECT frame{};
    GetWindowRect(owner, &frame);
    LONG x = frame.left + ((frame.right - frame.left) - size.cx) / 2;
    LONG y = frame.top + ((frame.bottom - frame.top) - size.cy) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        // The top-left corner wins when the card is larger than the work area.
        if (x + size.cx > work.right) x = work.right - size.cx;
        if (y + size.cy > work.bottom) y = work.bottom - size.cy;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    return RECT{x, y, x + size.cx, y + size.cy};
}

bool CardStyle::set_dpi(uint32_t new_dpi) {
    if (new_dpi == 0 || new_dpi == dpi) return false;
    fonts = make_fonts(new_dpi);
    dpi = new_dpi;
    return true;
}

void CardStyleDelete::operator()(CardStyle* style) const { delete style; }
