// The Help window: a card over the main window listing every shortcut in two columns.
// It holds the keyboard focus while open and goes away at the first key, click or loss of focus, so
// it never stands between the user and the video for long.
#include "ui/cards/help_window_win.h"

#include <algorithm>
#include <string>

#include "app/app_state_win.h"
#include "app/names_win.h"
#include "app/settings/language.h"
#include "base/dpi_scale.h"
#include "base/wide_win.h"
#include "ui/access/accessibility_win.h"
#include "ui/cards/card_window_win.h"
#include "ui/cards/help_window.h"

namespace {

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

int32_t px(const CardStyle& style, int32_t n) { return scale_px(n, style.dpi); }

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

int32_t column_height(const CardStyle& style, const std::vector<HelpGroup>& groups) {
    int32_t height = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) height += px(style, kGroupGap);
        height += px(style, kHeadingHeight) + static_cast<int32_t>(groups[i].lines.size()) * px(style, kRowHeight);
    }
    return height;
}

HelpGeometry measure(const CardStyle& style, const HelpPage& page, HDC dc) {
    HelpGeometry g;
    int32_t action_width = 0;
    int32_t heading_width = 0;
    for (const auto& column : page.columns)
        for (const HelpGroup& group : column) {
            heading_width = std::max(heading_width,
                                     px(style, 18 + kIconGap) + text_width(dc, style.fonts.body.get(), group.heading));
            for (const HelpLine& line : group.lines) {
                g.key_width =
                    std::max(g.key_width, text_width(dc, style.fonts.body.get(), line.keys) + 2 * px(style, kKeyPad));
                action_width = std::max(action_width, text_width(dc, style.fonts.body.get(), line.action));
            }
        }
    g.column_width = std::max(heading_width, g.key_width + px(style, kKeyGap) + action_width);
    g.columns_height = std::max(column_height(style, page.columns[0]), column_height(style, page.columns[1]));

    int32_t width = 2 * px(style, kPad) + 2 * g.column_width + px(style, kColumnGap);
    for (const std::string& note : page.notes)
        width = std::max(width, 2 * px(style, kPad) + text_width(dc, style.fonts.body.get(), note));
    width = std::max(
        width, 2 * px(style, kPad) + px(style, 18 + kIconGap) + text_width(dc, style.fonts.title.get(), page.title));
    const int32_t height = px(style, kColumnsTop) + g.columns_height + 2 * px(style, kNotesGap) +
                           static_cast<int32_t>(page.notes.size()) * px(style, kNoteHeight) + px(style, kBottomPad);
    g.size = SIZE{width, height};
    return g;
}

HelpGeometry measure_now(const CardStyle& style, const HelpPage& page) {
    const HDC screen = GetDC(nullptr);
    HelpGeometry g = measure(style, page, screen);
    ReleaseDC(nullptr, screen);
    return g;
}

// Where each heading (line null) and each row of a column goes, shared by painting and by the
// screen readers' view.
struct HelpRowPlace {
    const HelpGroup* group = nullptr;
    const HelpLine* line = nullptr;
    RECT rect{};
};

std::vector<HelpRowPlace> column_rows(const CardStyle& style, const std::vector<HelpGroup>& groups, int32_t left,
                                      const HelpGeometry& g) {
    std::vector<HelpRowPlace> rows;
    int32_t y = px(style, kColumnsTop);
    const int32_t right = left + g.column_width;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) y += px(style, kGroupGap);
        const int32_t heading_bottom = y + px(style, kHeadingHeight);
        rows.push_back(HelpRowPlace{&groups[i], nullptr, RECT{left, y, right, heading_bottom}});
        y = heading_bottom;
        for (const HelpLine& line : groups[i].lines) {
            rows.push_back(HelpRowPlace{&groups[i], &line, RECT{left, y, right, y + px(style, kRowHeight)}});
            y += px(style, kRowHeight);
        }
    }
    return rows;
}

void paint_column(const App& app, const CardStyle& style, HDC dc, const std::vector<HelpGroup>& groups, int32_t left,
                  const HelpGeometry& g) {
    const int32_t icon = px(style, 18);
    for (const HelpRowPlace& row : column_rows(style, groups, left, g)) {
        const RECT& r = row.rect;
        if (!row.line) {
            draw_card_glyph(dc, style.fonts.large_icon.get(), app.windows.palette.accent, row.group->icon,
                            RECT{left, r.top, left + icon, r.bottom});
            draw_card_text(dc, style.fonts.body.get(), app.windows.palette.accent, row.group->heading,
                           RECT{left + icon + px(style, kIconGap), r.top, r.right, r.bottom}, DT_LEFT);
            continue;
        }
        const HelpLine& line = *row.line;
        // Keys sit on a key cap as wide as their text, so the eye finds them down the column.
        const int32_t cap_width = text_width(dc, style.fonts.body.get(), line.keys) + 2 * px(style, kKeyPad);
        const RECT cap{left, r.top + px(style, 2), left + cap_width, r.bottom - px(style, 2)};
        fill_round_rect(dc, RECT{cap.left, cap.top, cap.right + 1, cap.bottom + 1}, px(style, 6),
                        app.windows.palette.key_cap);
        draw_card_text(dc, style.fonts.body.get(), app.windows.palette.normal, line.keys, cap, DT_CENTER);
        const int32_t action_left = left + g.key_width + px(style, kKeyGap);
        draw_card_text(dc, style.fonts.body.get(), app.windows.palette.normal, line.action,
                       RECT{action_left, r.top, r.right, r.bottom}, DT_LEFT);
    }
}

AccessibleNode text_node(std::string id, std::string name, const RECT& rect) {
    AccessibleNode node;
    node.role = AccessibleRole::text;
    node.automation_id = std::move(id);
    node.name = std::move(name);
    node.rect = PixelRect{rect.left, rect.top, rect.right, rect.bottom};
    return node;
}

SIZE help_size(const App& app, const CardStyle& style) {
    return measure_now(style, help_page(app.settings.multi_instance)).size;
}

std::string help_caption(const App& app) { return help_page(app.settings.multi_instance).title; }

// The window's texts as a screen reader reads them: the title, each heading and row, the notes.
AccessibleTree help_tree(const App& app, const CardWindow& help) {
    static constexpr Text kKeySeparator{": ", " : "};
    const HelpPage page = help_page(app.settings.multi_instance);
    const CardStyle& style = help.style;
    const HelpGeometry g = measure_now(style, page);
    AccessibleTree tree;
    tree.language = g_active_language;
    tree.root.role = AccessibleRole::window;
    tree.root.automation_id = "help";
    tree.root.name = page.title;
    const int32_t pad = px(style, kPad);
    tree.children.push_back(text_node(
        "title", page.title, RECT{pad, px(style, kTitleTop), g.size.cx - pad, px(style, kTitleTop + kTitleHeight)}));
    for (int column = 0; column < 2; ++column) {
        const int32_t left = pad + column * (g.column_width + px(style, kColumnGap));
        int group = -1;
        int row = 0;
        for (const HelpRowPlace& place : column_rows(style, page.columns[column], left, g)) {
            const std::string prefix = "column" + std::to_string(column + 1) + ".group";
            if (!place.line) {
                ++group;
                row = 0;
                tree.children.push_back(
                    text_node(prefix + std::to_string(group + 1), place.group->heading, place.rect));
                continue;
            }
            tree.children.push_back(text_node(prefix + std::to_string(group + 1) + ".row" + std::to_string(++row),
                                              place.line->keys + pick(kKeySeparator) + place.line->action, place.rect));
        }
    }
    int32_t y = px(style, kColumnsTop) + g.columns_height + 2 * px(style, kNotesGap);
    for (size_t i = 0; i < page.notes.size(); ++i) {
        tree.children.push_back(text_node("note" + std::to_string(i + 1), page.notes[i],
                                          RECT{pad, y, g.size.cx - pad, y + px(style, kNoteHeight)}));
        y += px(style, kNoteHeight);
    }
    return tree;
}

void paint_help(const App& app, const CardWindow& help, HDC dc, int width, int) {
    const CardStyle& style = help.style;
    const HelpPage page = help_page(app.settings.multi_instance);
    const HelpGeometry g = measure(style, page, dc);
    const Palette& palette = app.windows.palette;

    const int32_t pad = px(style, kPad);
    const int32_t title_top = px(style, kTitleTop);
    const int32_t title_bottom = title_top + px(style, kTitleHeight);
    draw_card_glyph(dc, style.fonts.large_icon.get(), palette.accent, 0xE897,
                    RECT{pad, title_top, pad + px(style, 18), title_bottom});
    draw_card_text(dc, style.fonts.title.get(), palette.normal, page.title,
                   RECT{pad + px(style, 18 + kIconGap), title_top, width - pad, title_bottom}, DT_LEFT);
    fill_solid(dc, RECT{pad, px(style, kColumnsTop) - px(style, 8), width - pad, px(style, kColumnsTop) - px(style, 7)},
               palette.top_line);

    paint_column(app, style, dc, page.columns[0], pad, g);
    paint_column(app, style, dc, page.columns[1], pad + g.column_width + px(style, kColumnGap), g);

    int32_t y = px(style, kColumnsTop) + g.columns_height + px(style, kNotesGap);
    fill_solid(dc, RECT{pad, y, width - pad, y + std::max(px(style, 1), 1)}, palette.top_line);
    y += px(style, kNotesGap);
    for (size_t i = 0; i < page.notes.size(); ++i) {
        // The first note is information, the second only says how to leave.
        const COLORREF colour = i == 0 ? palette.normal : palette.dimmed;
        draw_card_text(dc, style.fonts.body.get(), colour, page.notes[i],
                       RECT{pad, y, width - pad, y + px(style, kNoteHeight)}, DT_LEFT);
        y += px(style, kNoteHeight);
    }
}

// It goes at the first key, click or loss of focus; I is the one key it acts on, and its row shows
// the new state.
std::optional<LRESULT> handle_help_message(App& app, CardWindow& help, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_KEYDOWN:
            if (wparam == VK_ESCAPE || wparam == VK_F1)
                request_card_close(app, help);
            else if (wparam <= 0xFF && help.run)
                help.run(app, help_key_command(static_cast<uint32_t>(wparam)));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_CLOSE:
            request_card_close(app, help);
            return 0;
        case WM_KILLFOCUS:
            // Closing waits until the message that moved the focus has been handled, so that a click
            // on the bar's Help button closes the window rather than closing and reopening it.
            PostMessageW(help.window, kMsgCardFocusLost, 0, 0);
            return 0;
        case kMsgCardFocusLost:
            if (GetFocus() != help.window) request_card_close(app, help);
            return 0;
        default:
            return std::nullopt;
    }
}

const CardKind kHelpCard{kHelpWindowClass, &AppWindows::help, &Accessibility::help,
                         kChangedHelp,     help_caption,      help_size,
                         paint_help,       help_tree,         handle_help_message};

}  // namespace

void close_help(App& app) { close_card(app, kHelpCard.place); }

void toggle_help(App& app, CommandRunner run) {
    if (app.windows.help) {
        close_help(app);
        return;
    }
    std::unique_ptr<CardWindow, CardWindowDelete> help(new CardWindow);
    help->kind = &kHelpCard;
    help->run = run;
    open_card(app, std::move(help));
}

LRESULT CALLBACK help_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return card_window_proc(kHelpCard, window, message, wparam, lparam);
}
