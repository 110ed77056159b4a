// The Help window: a borderless card over the main window listing every shortcut in two columns.
// It holds the keyboard focus while open and goes away at the first key, click or loss of focus, so
// it never stands between the user and the video for long.
#include "ui/help_window_win.h"

#include <algorithm>
#include <string>

#include "app/app_state_win.h"
#include "app/names_win.h"
#include "base/dpi_scale.h"
#include "base/gdi_win.h"
#include "base/number_format.h"
#include "base/wide_win.h"
#include "ui/bar/bar_model.h"
#include "ui/card_window_win.h"
#include "ui/help_window.h"
#include "ui/input_win.h"

namespace {

// Private messages of the Help window.
enum HelpWindowMessage : UINT {
    // Posted to itself when the focus has gone: closing is left until the message that moved the focus
    // has been handled, so that a click on the bar's Help button closes the window rather than closing
    // and reopening it.
    kMsgFocusLost = WM_APP + 1,
    // Posted to itself when a language switch changed the size the texts need.
    kMsgRelayout,
};

// Geometry at 96 DPI.
constexpr int32_t kPad = 28;
constexpr int32_t kTitleTop = 18;
constexpr int32_t kTitleHeight = 34;
constexpr int32_t kColumnsTop = 66;
constexpr int32_t kHeadingHeight = 28;
constexpr int32_t kRowHeight = 22;
constexpr int32_t kGroupGap = 10;
constexpr int32_t kColumnGap = 44;
constexpr int32_t kKeyGap = 14;
constexpr int32_t kKeyPad = 7;
constexpr int32_t kIconGap = 10;
constexpr int32_t kNotesGap = 14;
constexpr int32_t kNoteHeight = 22;
constexpr int32_t kBottomPad = 18;
constexpr COLORREF kKeyCap = bar_colour::hover;
constexpr COLORREF kBorder = bar_colour::track;

int32_t px(const App& app, int32_t n) { return scale_px(n, app.windows.dpi); }

int32_t text_width(HDC dc, HFONT font, const std::string& text) {
    const SelectGuard select(dc, font);
    const std::wstring units = wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, units.c_str(), static_cast<int>(units.size()), &size);
    return size.cx;
}

struct HelpGeometry {
    int32_t key_width = 0;     // widest key cap
    int32_t column_width = 0;  // key cap, gap, widest action
    int32_t columns_height = 0;
    SIZE size{};
};

int32_t column_height(const App& app, const std::vector<HelpGroup>& groups) {
    int32_t height = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) height += px(app, kGroupGap);
        height += px(app, kHeadingHeight) + static_cast<int32_t>(groups[i].lines.size()) * px(app, kRowHeight);
    }
    return height;
}

HelpGeometry measure(const App& app, const HelpPage& page, HDC dc) {
    HelpGeometry g;
    int32_t action_width = 0;
    int32_t heading_width = 0;
    for (const auto& column : page.columns)
        for (const HelpGroup& group : column) {
            heading_width = std::max(
                heading_width, px(app, 18 + kIconGap) + text_width(dc, app.windows.fonts.body.get(), group.heading));
            for (const HelpLine& line : group.lines) {
                g.key_width = std::max(g.key_width,
                                       text_width(dc, app.windows.fonts.body.get(), line.keys) + 2 * px(app, kKeyPad));
                action_width = std::max(action_width, text_width(dc, app.windows.fonts.body.get(), line.action));
            }
        }
    g.column_width = std::max(heading_width, g.key_width + px(app, kKeyGap) + action_width);
    g.columns_height = std::max(column_height(app, page.columns[0]), column_height(app, page.columns[1]));

    int32_t width = 2 * px(app, kPad) + 2 * g.column_width + px(app, kColumnGap);
    for (const std::string& note : page.notes)
        width = std::max(width, 2 * px(app, kPad) + text_width(dc, app.windows.fonts.body.get(), note));
    width = std::max(
        width, 2 * px(app, kPad) + px(app, 18 + kIconGap) + text_width(dc, app.windows.fonts.title.get(), page.title));
    const int32_t height = px(app, kColumnsTop) + g.columns_height + 2 * px(app, kNotesGap) +
                           static_cast<int32_t>(page.notes.size()) * px(app, kNoteHeight) + px(app, kBottomPad);
    g.size = SIZE{width, height};
    return g;
}

HelpGeometry measure_now(const App& app, const HelpPage& page) {
    const HDC screen = GetDC(nullptr);
    HelpGeometry g = measure(app, page, screen);
    ReleaseDC(nullptr, screen);
    return g;
}

void draw_text(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect, UINT format) {
    const SelectGuard select(dc, font);
    SetTextColor(dc, colour);
    const std::wstring units = wide(text);
    DrawTextW(dc, units.c_str(), static_cast<int>(units.size()), &rect,
              format | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void draw_glyph(HDC dc, HFONT font, COLORREF colour, char16_t glyph, RECT rect) {
    const SelectGuard select(dc, font);
    SetTextColor(dc, colour);
    wchar_t unit = static_cast<wchar_t>(glyph);
    DrawTextW(dc, &unit, 1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

void paint_column(const App& app, HDC dc, const std::vector<HelpGroup>& groups, int32_t left, const HelpGeometry& g) {
    int32_t y = px(app, kColumnsTop);
    const int32_t icon = px(app, 18);
    for (size_t i = 0; i < groups.size(); ++i) {
        const HelpGroup& group = groups[i];
        if (i > 0) y += px(app, kGroupGap);
        const int32_t heading_bottom = y + px(app, kHeadingHeight);
        draw_glyph(dc, app.windows.fonts.large_icon.get(), bar_colour::accent, group.icon,
                   RECT{left, y, left + icon, heading_bottom});
        draw_text(dc, app.windows.fonts.body.get(), bar_colour::accent, group.heading,
                  RECT{left + icon + px(app, kIconGap), y, left + g.column_width, heading_bottom}, DT_LEFT);
        y = heading_bottom;
        for (const HelpLine& line : group.lines) {
            const int32_t bottom = y + px(app, kRowHeight);
            // Keys sit on a key cap as wide as their text, so the eye finds them down the column.
            const int32_t cap_width = text_width(dc, app.windows.fonts.body.get(), line.keys) + 2 * px(app, kKeyPad);
            const RECT cap{left, y + px(app, 2), left + cap_width, bottom - px(app, 2)};
            fill_round_rect(dc, RECT{cap.left, cap.top, cap.right + 1, cap.bottom + 1}, px(app, 6), kKeyCap);
            draw_text(dc, app.windows.fonts.body.get(), bar_colour::normal, line.keys, cap, DT_CENTER);
            const int32_t action_left = left + g.key_width + px(app, kKeyGap);
            draw_text(dc, app.windows.fonts.body.get(), bar_colour::normal, line.action,
                      RECT{action_left, y, left + g.column_width, bottom}, DT_LEFT);
            y = bottom;
        }
    }
}

void open_help(App& app) {
    if (!app.windows.main_window) return;
    const SIZE size = help_window_size(app);
    const RECT place = centred_over(app.windows.main_window, size);
    const std::wstring title = wide(help_page(app.settings.multi_instance).title);
    const HWND window = CreateWindowExW(0, kHelpWindowClass, title.c_str(), WS_POPUP, place.left, place.top, size.cx,
                                        size.cy, app.windows.main_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return;
    app.windows.help_window = window;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
}

void relayout(App& app, HWND window) {
    const SIZE size = help_window_size(app);
    RECT current{};
    GetWindowRect(window, &current);
    if (current.right - current.left == size.cx && current.bottom - current.top == size.cy) return;
    const RECT place = centred_over(app.windows.main_window, size);
    SetWindowPos(window, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, FALSE);
}

void paint_buffered(const App& app, HWND window, HDC target) {
    RECT client{};
    GetClientRect(window, &client);
    const MemoryCanvas canvas(target, client.right, client.bottom);
    if (!canvas.ok()) return;
    paint_help(app, canvas.dc(), client.right, client.bottom);
    canvas.copy_to(target, client.right, client.bottom);
}

LRESULT on_key_down(App& app, HWND window, WPARAM key) {
    switch (key) {
        case VK_ESCAPE:
        case VK_F1:
            close_help(app);
            return 0;
        case 'I':
            toggle_multi_instance(app);
            InvalidateRect(window, nullptr, FALSE);  // the row shows the new state
            return 0;
        default:
            return 0;
    }
}

}  // namespace

SIZE help_window_size(const App& app) { return measure_now(app, help_page(app.settings.multi_instance)).size; }

void paint_help(const App& app, HDC dc, int width, int height) {
    const HelpPage page = help_page(app.settings.multi_instance);
    const HelpGeometry g = measure(app, page, dc);
    fill_solid(dc, RECT{0, 0, width, height}, bar_colour::background);
    {
        const OwnedBrush border(CreateSolidBrush(kBorder));
        const RECT all{0, 0, width, height};
        FrameRect(dc, &all, border.get());
    }
    SetBkMode(dc, TRANSPARENT);

    const int32_t pad = px(app, kPad);
    const int32_t title_top = px(app, kTitleTop);
    const int32_t title_bottom = title_top + px(app, kTitleHeight);
    draw_glyph(dc, app.windows.fonts.large_icon.get(), bar_colour::accent, 0xE897,
               RECT{pad, title_top, pad + px(app, 18), title_bottom});
    draw_text(dc, app.windows.fonts.title.get(), bar_colour::normal, page.title,
              RECT{pad + px(app, 18 + kIconGap), title_top, width - pad, title_bottom}, DT_LEFT);
    fill_solid(dc, RECT{pad, px(app, kColumnsTop) - px(app, 8), width - pad, px(app, kColumnsTop) - px(app, 7)},
               bar_colour::top_line);

    paint_column(app, dc, page.columns[0], pad, g);
    paint_column(app, dc, page.columns[1], pad + g.column_width + px(app, kColumnGap), g);

    int32_t y = px(app, kColumnsTop) + g.columns_height + px(app, kNotesGap);
    fill_solid(dc, RECT{pad, y, width - pad, y + std::max(px(app, 1), 1)}, bar_colour::top_line);
    y += px(app, kNotesGap);
    for (size_t i = 0; i < page.notes.size(); ++i) {
        // The first note is information, the second only says how to leave.
        const COLORREF colour = i == 0 ? bar_colour::normal : bar_colour::dimmed;
        draw_text(dc, app.windows.fonts.body.get(), colour, page.notes[i],
                  RECT{pad, y, width - pad, y + px(app, kNoteHeight)}, DT_LEFT);
        y += px(app, kNoteHeight);
    }
}

void close_help(App& app) {
    const HWND window = app.windows.help_window;
    if (!window) return;
    app.windows.help_window = nullptr;  // first, so the messages of the destruction find it closed
    DestroyWindow(window);
    if (app.windows.main_window) SetFocus(app.windows.main_window);
}

void toggle_help(App& app) {
    if (app.windows.help_window)
        close_help(app);
    else
        open_help(app);
}

LRESULT CALLBACK help_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    App* app = g_app;
    if (!app || app->windows.help_window != window) {
        if (message == WM_ERASEBKGND) return 1;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            {
                const PaintScope paint(window);
                paint_buffered(*app, window, paint.dc());
            }
            // After a language switch the texts may need another size.
            const SIZE size = help_window_size(*app);
            RECT client{};
            GetClientRect(window, &client);
            if (client.right != size.cx || client.bottom != size.cy) PostMessageW(window, kMsgRelayout, 0, 0);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint_buffered(*app, window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_KEYDOWN:
            return on_key_down(*app, window, wparam);
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_CLOSE:
            close_help(*app);
            return 0;
        case WM_KILLFOCUS:
            PostMessageW(window, kMsgFocusLost, 0, 0);
            return 0;
        case kMsgFocusLost:
            if (GetFocus() != window) close_help(*app);
            return 0;
        case kMsgRelayout:
            relayout(*app, window);
            return 0;
        case WM_DESTROY:
            // Destroyed with its owner rather than closed.
            app->windows.help_window = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void help_follow_dpi(App& app) {
    if (!app.windows.help_window) return;
    relayout(app, app.windows.help_window);
    InvalidateRect(app.windows.help_window, nullptr, FALSE);  // the fonts changed even when the size did not
}
