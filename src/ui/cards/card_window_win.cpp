#include "ui/cards/card_window_win.h"

#include "base/newer_api_win.h"
#include "base/wide_win.h"
#include "ui/fonts_win.h"
#include "ui/state_changed_win.h"

void CardWindowDelete::operator()(CardWindow* card) const { delete card; }

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
    link.reset(create_ui_font(L"Segoe UI", 14, FW_NORMAL, new_dpi, true));
    dpi = new_dpi;
    return true;
}

void draw_card_text(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect, UINT format) {
    const SelectGuard select(dc, font);
    SetTextColor(dc, colour);
    const std::wstring units = wide(text);
    DrawTextW(dc, units.c_str(), static_cast<int>(units.size()), &rect,
              format | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void draw_card_glyph(HDC dc, HFONT font, COLORREF colour, char16_t glyph, RECT rect) {
    const SelectGuard select(dc, font);
    SetTextColor(dc, colour);
    wchar_t unit = static_cast<wchar_t>(glyph);
    DrawTextW(dc, &unit, 1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

namespace {

void paint_card(const App& app, const CardWindow& card, HDC dc, int width, int height) {
    const RECT all{0, 0, width, height};
    fill_solid(dc, all, app.windows.palette.background);
    SetBkMode(dc, TRANSPARENT);
    card.kind->paint(app, card, dc, width, height);
    const OwnedBrush border(CreateSolidBrush(app.windows.palette.border));
    FrameRect(dc, &all, border.get());
}

void paint_to(const App& app, const CardWindow& card, HDC target) {
    paint_buffered(card.window, target,
                   [&](HDC dc, int width, int height) { paint_card(app, card, dc, width, height); });
}

void on_paint(App& app, CardWindow& card) {
    {
        const PaintScope scope(card.window);
        paint_to(app, card, scope.dc());
    }
    // After a language switch the texts may need another size.
    const SIZE size = card.kind->size(app, card.style);
    RECT client{};
    GetClientRect(card.window, &client);
    if (client.right != size.cx || client.bottom != size.cy) PostMessageW(card.window, kMsgCardRelayout, 0, 0);
    refresh_accessible(app, card.kind->slot, card.window, card.kind->tree(app, card));
}

// Gives the card the size it needs, centred over the main window or keeping its top-left corner.
Changes fit(App& app, CardWindow& card, bool centre) {
    const SIZE size = card.kind->size(app, card.style);
    RECT current{};
    GetWindowRect(card.window, &current);
    if (current.right - current.left == size.cx && current.bottom - current.top == size.cy) return kChangedNothing;
    const RECT place = centre ? centred_over(app.windows.main_window, size)
                              : RECT{current.left, current.top, current.left + size.cx, current.top + size.cy};
    SetWindowPos(card.window, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return card.kind->shows;
}

// Dragged to, or sitting on, a monitor of another scale (Windows also moves a card with its owner
// when a display's scale changes): the suggested rectangle first, which keeps it under the pointer,
// then the size the card needs at that DPI.
void on_dpi_changed(App& app, CardWindow& card, uint32_t dpi, const RECT* suggested) {
    card.style.set_dpi(dpi);
    if (suggested && suggested->right > suggested->left && suggested->bottom > suggested->top)
        SetWindowPos(card.window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    fit(app, card, false);
    state_changed(app, card.kind->shows);
}

Changes follow_dpi(App& app, CardWindow* card) {
    if (!card || !card->window) return kChangedNothing;
    card->style.set_dpi(app.windows.dpi);
    const SIZE size = card->kind->size(app, card->style);
    const RECT place = centred_over(app.windows.main_window, size);
    SetWindowPos(card->window, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return card->kind->shows;  // the fonts changed even when the size did not
}

}  // namespace

void open_card(App& app, std::unique_ptr<CardWindow, CardWindowDelete> card) {
    if (!app.windows.main_window || !card) return;
    const CardKind& kind = *card->kind;
    std::unique_ptr<CardWindow, CardWindowDelete>& place = app.windows.*kind.place;
    if (place) return;
    // Opened over the main window, so at first on its monitor and DPI.
    card->style.set_dpi(app.windows.dpi);
    const SIZE size = kind.size(app, card->style);
    const RECT where = centred_over(app.windows.main_window, size);
    CardWindow& state = *card;
    place = std::move(card);
    const std::wstring caption = wide(kind.caption(app));
    state.window = CreateWindowExW(0, kind.class_name, caption.c_str(), WS_POPUP, where.left, where.top, size.cx,
                                   size.cy, app.windows.main_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!state.window) {
        place.reset();
        return;
    }
    // Kept inside the work area, it may still have landed on a monitor of another scale.
    if (state.style.set_dpi(window_dpi(state.window))) {
        const SIZE own = kind.size(app, state.style);
        SetWindowPos(state.window, nullptr, 0, 0, own.cx, own.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    SetFocus(state.window);
}

void request_card_close(App& app, CardWindow& card) {
    if (card.to_close) return;
    card.to_close = true;
    PostMessageW(app.windows.main_window, kMsgCloseCard, 0, 0);
}

// Only a card that asked: another process may post the message too.
void close_asked_cards(App& app) {
    for (const CardPlace place : kCardPlaces) {
        const CardWindow* card = (app.windows.*place).get();
        if (card && card->to_close) close_card(app, place);
    }
}

void close_card(App& app, CardPlace place) {
    // Taken out first, so that the messages of the destruction find the card closed.
    const std::unique_ptr<CardWindow, CardWindowDelete> card = std::move(app.windows.*place);
    if (!card) return;
    if (card->kind) retire_accessible(app, card->kind->slot, card->window);
    if (card->window) DestroyWindow(card->window);
    if (app.windows.main_window) SetFocus(app.windows.main_window);
}

LRESULT card_window_proc(const CardKind& kind, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    App* app = g_app;
    CardWindow* card = app ? (app->windows.*kind.place).get() : nullptr;
    if (!card || card->window != window) {
        if (message == WM_ERASEBKGND) return 1;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (const std::optional<LRESULT> answer = kind.handle(*app, *card, message, wparam, lparam)) return *answer;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            on_paint(*app, *card);
            return 0;
        case WM_PRINTCLIENT:
            paint_to(*app, *card, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_GETOBJECT:
            if (const auto answer =
                    serve_accessible(*app, kind.slot, window, window, wparam, lparam, kind.tree(*app, *card)))
                return *answer;
            break;
        case kMsgCardRelayout:
            state_changed(*app, fit(*app, *card, true));
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(*app, *card, HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_DESTROY: {
            // Destroyed with its owner rather than closed.
            const std::unique_ptr<CardWindow, CardWindowDelete> gone = std::move(app->windows.*kind.place);
            retire_accessible(*app, kind.slot, window);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

Changes cards_follow_dpi(App& app) {
    Changes changes = kChangedNothing;
    for (const CardPlace place : kCardPlaces) changes |= follow_dpi(app, (app.windows.*place).get());
    return changes;
}
