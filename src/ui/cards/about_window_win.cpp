// The About window: a card with the logo, the version, two links and the choice not to see it again.
#include "ui/cards/about_window_win.h"

#include <string>

#include "app/app_state_win.h"
#include "app/command.h"
#include "app/names_win.h"
#include "app/resource_ids.h"
#include "app/settings/language.h"
#include "app/version.h"
#include "base/dpi_scale.h"
#include "base/wide_win.h"
#include "ui/access/accessibility_win.h"
#include "ui/cards/card_window_win.h"
#include "ui/state_changed_win.h"

namespace {

constexpr const Text& kCaption = command_label(CommandId::show_about);
constexpr Text kDescription{"A lightweight video player built on libmpv.", "Un lecteur vidéo léger basé sur libmpv."};
constexpr Text kLinkMpv{"libmpv — mpv.io", "libmpv — mpv.io"};
// The program's own code is GPL 2.0 or later; the libmpv-2.dll it ships with holds Apache-2.0 code,
// so the two together are distributed under 3.0 or later, which is what a user receives.
constexpr Text kLinkLicence{"License: GPL 3.0 or later", "Licence : GPL 3.0 ou ultérieure"};
constexpr Text kDontShow{"Don't show at start-up", "Ne plus afficher au démarrage"};
constexpr Text kClose{"Close", "Fermer"};

AboutItem hot_item(const CardWindow& about) { return static_cast<AboutItem>(about.hot); }

void draw_check_mark(HDC dc, uint32_t dpi, const RECT& box, COLORREF colour) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, scale_px(2, dpi), colour));
    const SelectGuard select(dc, pen.get());
    const POINT points[] = {{box.left + scale_px(3, dpi), box.top + scale_px(8, dpi)},
                            {box.left + scale_px(6, dpi), box.top + scale_px(11, dpi)},
                            {box.left + scale_px(12, dpi), box.top + scale_px(4, dpi)}};
    Polyline(dc, points, 3);
}

void paint_check_box(const App& app, const CardWindow& about, const AboutLayout& layout, HDC dc) {
    const RECT box = to_rect(layout.check_box);
    const bool hot = hot_item(about) == AboutItem::dont_show;
    const Palette& palette = app.windows.palette;
    const int corner = scale_px(4, about.style.dpi);
    if (app.settings.hide_about) {
        fill_round_rect(dc, RECT{box.left, box.top, box.right + 1, box.bottom + 1}, corner,
                        hot ? palette.accent_hot : palette.accent);
        draw_check_mark(dc, about.style.dpi, box, palette.on_accent);
    } else {
        // An outline: the border colour, then the background inset by one pixel.
        const int32_t one = scale_px(1, about.style.dpi) > 1 ? scale_px(1, about.style.dpi) : 1;
        fill_round_rect(dc, RECT{box.left, box.top, box.right + 1, box.bottom + 1}, corner,
                        hot ? palette.normal : palette.dimmed);
        fill_round_rect(dc, RECT{box.left + one, box.top + one, box.right + 1 - one, box.bottom + 1 - one}, corner,
                        palette.background);
    }
    RECT label = to_rect(layout.dont_show);
    if (about.focus_cue) {
        const OwnedBrush cue(CreateSolidBrush(app.windows.palette.accent));
        FrameRect(dc, &label, cue.get());
    }
    label.left = box.right + scale_px(10, about.style.dpi);
    draw_card_text(dc, about.style.fonts.body.get(), palette.normal, pick(kDontShow), label, DT_LEFT);
}

void paint_link(const App& app, const CardWindow& about, HDC dc, AboutItem item, const Text& text,
                const PixelRect& rect) {
    const bool hot = hot_item(about) == item;
    // Underlined only under the pointer, as links in Windows' own dialogs.
    const HFONT font = hot && about.style.link ? about.style.link.get() : about.style.fonts.body.get();
    draw_card_text(dc, font, hot ? app.windows.palette.link_hot : app.windows.palette.link, pick(text), to_rect(rect),
                   DT_CENTER);
}

void paint_about(const App& app, const CardWindow& about, HDC dc, int width, int) {
    const AboutLayout layout = about_layout(about.style.dpi);
    const uint32_t dpi = about.style.dpi;
    const Palette& palette = app.windows.palette;
    const Fonts& fonts = about.style.fonts;
    fill_solid(dc, to_rect(layout.band), palette.band);
    fill_solid(dc,
               RECT{0, layout.band.bottom, width, layout.band.bottom + (scale_px(1, dpi) > 1 ? scale_px(1, dpi) : 1)},
               palette.top_line);

    RECT caption = to_rect(layout.band);
    caption.left += scale_px(18, dpi);
    caption.right = layout.close_cross.left;
    draw_card_text(dc, fonts.text.get(), palette.dimmed, pick(kCaption), caption, DT_LEFT);
    const bool cross_hot = hot_item(about) == AboutItem::close_cross;
    if (cross_hot) fill_solid(dc, to_rect(layout.close_cross), palette.close_hot);
    draw_card_glyph(dc, fonts.icon.get(), cross_hot ? palette.on_close_hot : palette.normal, 0xE711,
                    to_rect(layout.close_cross));

    if (about.logo)
        draw_logo(dc, about.logo.get(), to_rect(layout.logo));
    else
        draw_card_text(dc, fonts.title.get(), palette.normal, TARNWICK_PRODUCT_NAME, to_rect(layout.logo), DT_CENTER);

    const std::string title = std::string(TARNWICK_PRODUCT_NAME) + " " + TARNWICK_VERSION_STRING;
    draw_card_text(dc, fonts.title.get(), palette.normal, title, to_rect(layout.title), DT_CENTER);
    draw_card_text(dc, fonts.body.get(), palette.dimmed, pick(kDescription), to_rect(layout.description), DT_CENTER);
    paint_link(app, about, dc, AboutItem::link_mpv, kLinkMpv, layout.link_mpv);
    paint_link(app, about, dc, AboutItem::link_licence, kLinkLicence, layout.link_licence);
    fill_solid(dc, to_rect(layout.separator), palette.top_line);

    paint_check_box(app, about, layout, dc);
    const RECT button = to_rect(layout.close_button);
    fill_round_rect(dc, RECT{button.left, button.top, button.right + 1, button.bottom + 1}, scale_px(6, dpi),
                    hot_item(about) == AboutItem::close_button ? palette.accent_hot : palette.accent);
    draw_card_text(dc, fonts.body.get(), palette.on_accent, pick(kClose), button, DT_CENTER);
}

// The check box is the one item that asks something of the player.
void toggle_dont_show(App& app, CardWindow& about) {
    if (about.run) about.run(app, about_item_command(AboutItem::dont_show));
}

void activate(App& app, CardWindow& about, AboutItem item) {
    switch (item) {
        case AboutItem::close_cross:
        case AboutItem::close_button:
            request_card_close(app, about);
            break;
        case AboutItem::link_mpv:
        case AboutItem::link_licence:
            ShellExecuteW(about.window, L"open", wide(about_link_target(item)).c_str(), nullptr, nullptr,
                          SW_SHOWNORMAL);
            break;
        case AboutItem::dont_show:
            toggle_dont_show(app, about);
            break;
        case AboutItem::none:
            break;
    }
}

AboutItem item_at(const CardWindow& about, POINT point) {
    return about_item_at(about_layout(about.style.dpi), point.x, point.y);
}

void set_hot(App& app, CardWindow& about, AboutItem item) {
    if (hot_item(about) == item) return;
    about.hot = static_cast<uint8_t>(item);
    state_changed(app, kChangedAbout);
}

void on_about_mouse_move(App& app, CardWindow& about, POINT point) {
    if (!about.tracking) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = about.window;
        TrackMouseEvent(&track);
        about.tracking = true;
    }
    set_hot(app, about, item_at(about, point));
}

// The window opens with the focus, often at start-up over a video that starts playing: a Space
// meant to pause must close it, not tick the check box. Only after Tab, which shows the focus on the
// check box, does Space toggle it.
void on_about_key_down(App& app, CardWindow& about, WPARAM key) {
    switch (key) {
        case VK_ESCAPE:
        case VK_RETURN:
            request_card_close(app, about);
            break;
        case VK_SPACE:
            if (about.focus_cue)
                toggle_dont_show(app, about);
            else
                request_card_close(app, about);
            break;
        case VK_TAB:
            about.focus_cue = !about.focus_cue;
            state_changed(app, kChangedAbout);
            break;
        default:
            break;
    }
}

LRESULT on_about_hit_test(const CardWindow& about, LPARAM lparam) {
    POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(about.window, &point);
    const AboutLayout layout = about_layout(about.style.dpi);
    // The top band moves the window, except where the close cross sits in it.
    if (layout.band.contains(point.x, point.y) && !layout.close_cross.contains(point.x, point.y)) return HTCAPTION;
    return HTCLIENT;
}

AccessibleNode about_node(AccessibleRole role, const char* id, std::string name, const PixelRect& rect,
                          AboutItem action = AboutItem::none) {
    AccessibleNode node;
    node.role = role;
    node.automation_id = id;
    node.name = std::move(name);
    node.rect = rect;
    node.invokable = role == AccessibleRole::button || role == AccessibleRole::hyperlink;
    node.action = static_cast<uint32_t>(action);
    return node;
}

// The window as a screen reader reads it: title, description, the two links, the check box and the
// Close button.
AccessibleTree about_tree(const App& app, const CardWindow& about) {
    // Laid out at the About window's own DPI, which may differ from the main window's.
    const AboutLayout layout = about_layout(about.style.dpi);
    AccessibleTree tree;
    tree.language = g_active_language;
    tree.root.role = AccessibleRole::window;
    tree.root.automation_id = "about";
    tree.root.name = pick(kCaption);
    const std::string title = std::string(TARNWICK_PRODUCT_NAME) + " " + TARNWICK_VERSION_STRING;
    tree.children.push_back(about_node(AccessibleRole::text, "title", title, layout.title));
    tree.children.push_back(about_node(AccessibleRole::text, "description", pick(kDescription), layout.description));
    tree.children.push_back(
        about_node(AccessibleRole::hyperlink, "link_mpv", pick(kLinkMpv), layout.link_mpv, AboutItem::link_mpv));
    tree.children.push_back(about_node(AccessibleRole::hyperlink, "link_licence", pick(kLinkLicence),
                                       layout.link_licence, AboutItem::link_licence));
    AccessibleNode check =
        about_node(AccessibleRole::check_box, "dont_show", pick(kDontShow), layout.dont_show, AboutItem::dont_show);
    check.toggled = app.settings.hide_about;
    tree.children.push_back(std::move(check));
    tree.children.push_back(
        about_node(AccessibleRole::button, "close", pick(kClose), layout.close_button, AboutItem::close_button));
    return tree;
}

// A reader's Invoke and Toggle, posted from its thread; the same as a click on the item.
void on_about_accessible_action(App& app, CardWindow& about, WPARAM wparam, LPARAM lparam) {
    const AccessibleRequest request = decode_accessible_request(wparam, lparam);
    const auto item = static_cast<AboutItem>(request.action);
    const bool toggle = request.verb == AccessibleVerb::toggle && item == AboutItem::dont_show;
    const bool invoke =
        request.verb == AccessibleVerb::invoke && (item == AboutItem::link_mpv || item == AboutItem::link_licence ||
                                                   item == AboutItem::close_button || item == AboutItem::close_cross);
    if (toggle || invoke) activate(app, about, item);
}

std::optional<LRESULT> handle_about_message(App& app, CardWindow& about, UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case kMsgAccessibleAction:
            on_about_accessible_action(app, about, wparam, lparam);
            return 0;
        case WM_NCHITTEST:
            return on_about_hit_test(about, lparam);
        case WM_NCLBUTTONDBLCLK:
            return 0;  // a double click on the band must not try to maximize the card
        case WM_SETCURSOR:
            if (LOWORD(lparam) == HTCLIENT &&
                (hot_item(about) == AboutItem::link_mpv || hot_item(about) == AboutItem::link_licence)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            return std::nullopt;
        case WM_MOUSEMOVE:
            on_about_mouse_move(app, about, point);
            return 0;
        case WM_MOUSELEAVE:
            about.tracking = false;
            set_hot(app, about, AboutItem::none);
            return 0;
        case WM_LBUTTONDOWN:
            about.pressed = static_cast<uint8_t>(item_at(about, point));
            if (about.pressed != static_cast<uint8_t>(AboutItem::none)) SetCapture(about.window);
            return 0;
        case WM_LBUTTONUP: {
            const auto pressed = static_cast<AboutItem>(about.pressed);
            about.pressed = static_cast<uint8_t>(AboutItem::none);
            if (GetCapture() == about.window) ReleaseCapture();
            // Like a push button: only a release over the item that was pressed acts.
            if (pressed != AboutItem::none && item_at(about, point) == pressed) activate(app, about, pressed);
            return 0;
        }
        case WM_KEYDOWN:
            on_about_key_down(app, about, wparam);
            return 0;
        case WM_CLOSE:
            request_card_close(app, about);
            return 0;
        default:
            return std::nullopt;
    }
}

std::string about_caption(const App&) { return pick(kCaption); }

SIZE about_size(const App&, const CardStyle& style) {
    const AboutLayout layout = about_layout(style.dpi);
    return SIZE{layout.width, layout.height};
}

const CardKind kAboutCard{kAboutWindowClass, &AppWindows::about, &Accessibility::about,
                          kChangedAbout,     about_caption,      about_size,
                          paint_about,       about_tree,         handle_about_message};

}  // namespace

HBITMAP load_logo(HINSTANCE module) {
    return static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(TARNWICK_LOGO_ID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void draw_logo(HDC dc, HBITMAP logo, const RECT& dest) {
    BITMAP info{};
    if (!logo || !GetObjectW(logo, sizeof info, &info)) return;
    const HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    {
        const SelectGuard select(source, logo);
        // HALFTONE averages the pixels it drops, so the half-size logo stays smooth.
        const int previous_mode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, previous_mode);
    }
    DeleteDC(source);
}

LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return card_window_proc(kAboutCard, window, message, wparam, lparam);
}

void show_about(App& app, CommandRunner run) {
    if (app.windows.about) {  // one window: brought to the front
        if (app.windows.about->window) SetForegroundWindow(app.windows.about->window);
        return;
    }
    std::unique_ptr<CardWindow, CardWindowDelete> about(new CardWindow);
    about->kind = &kAboutCard;
    about->run = run;
    about->logo.reset(load_logo(GetModuleHandleW(nullptr)));
    open_card(app, std::move(about));
}

void destroy_about(App& app) { close_card(app, kAboutCard.place); }
