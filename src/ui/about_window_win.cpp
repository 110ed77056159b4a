// The About window: a borderless card with the logo, the version, two links and the choice not to
// see it again. It never destroys itself: it marks itself to be closed and asks the main window,
// which owns its state, to do it.
#include "ui/about_window_win.h"

#include <string>

#include "app/app_state_win.h"
#include "app/settings/language.h"
#include "app/names_win.h"
#include "app/resource_ids.h"
#include "app/settings/settings_win.h"
#include "app/version.h"
#include "base/dpi_scale.h"
#include "base/newer_api_win.h"
#include "base/number_format.h"
#include "base/wide_win.h"
#include "ui/accessibility_win.h"
#include "ui/bar/bar_model.h"
#include "ui/card_window_win.h"

namespace {

constexpr Text kCaption{"About " TARNWICK_PRODUCT_NAME, "À propos de " TARNWICK_PRODUCT_NAME};
constexpr Text kDescription{"A lightweight video player built on libmpv.", "Un lecteur vidéo léger basé sur libmpv."};
constexpr Text kLinkMpv{"libmpv — mpv.io", "libmpv — mpv.io"};
// The program's own code is GPL 2.0 or later; the libmpv-2.dll it ships with holds Apache-2.0 code,
// so the two together are distributed under 3.0 or later, which is what a user receives.
constexpr Text kLinkLicence{"License: GPL 3.0 or later", "Licence : GPL 3.0 ou ultérieure"};
constexpr Text kDontShow{"Don't show at start-up", "Ne plus afficher au démarrage"};
constexpr Text kClose{"Close", "Fermer"};

RECT scaled(uint32_t dpi, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return RECT{scale_px(left, dpi), scale_px(top, dpi), scale_px(right, dpi), scale_px(bottom, dpi)};
}

bool inside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

void draw_text(HDC dc, HFONT font, COLORREF colour, const char* text, RECT rect, UINT format) {
    const SelectGuard select(dc, font);
    SetTextColor(dc, colour);
    const std::wstring units = wide(text);
    DrawTextW(dc, units.c_str(), static_cast<int>(units.size()), &rect,
              format | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void draw_check_mark(HDC dc, uint32_t dpi, const RECT& box, COLORREF colour) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, scale_px(2, dpi), colour));
    const SelectGuard select(dc, pen.get());
    const POINT points[] = {{box.left + scale_px(3, dpi), box.top + scale_px(8, dpi)},
                            {box.left + scale_px(6, dpi), box.top + scale_px(11, dpi)},
                            {box.left + scale_px(12, dpi), box.top + scale_px(4, dpi)}};
    Polyline(dc, points, 3);
}

void paint_check_box(const App& app, const AboutWindow& about, const AboutLayout& layout, HDC dc) {
    const RECT& box = layout.check_box;
    const bool hot = about.hot == AboutItem::dont_show;
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
    if (about.check_focused) {
        const OwnedBrush cue(CreateSolidBrush(app.windows.palette.accent));
        FrameRect(dc, &layout.dont_show, cue.get());
    }
    RECT label = layout.dont_show;
    label.left = box.right + scale_px(10, about.style.dpi);
    draw_text(dc, about.style.fonts.body.get(), palette.normal, pick(kDontShow), label, DT_LEFT);
}

void paint_link(const App& app, const AboutWindow& about, HDC dc, AboutItem item, const Text& text, const RECT& rect) {
    const bool hot = about.hot == item;
    // Underlined only under the pointer, as links in Windows' own dialogs.
    const HFONT font = hot && about.link_font ? about.link_font.get() : about.style.fonts.body.get();
    draw_text(dc, font, hot ? app.windows.palette.link_hot : app.windows.palette.link, pick(text), rect, DT_CENTER);
}

AboutWindow* about_of(App* app, HWND window) {
    if (!app || !app->windows.about || app->windows.about->window != window) return nullptr;
    return app->windows.about.get();
}

void request_close(App& app, AboutWindow& about) {
    if (about.to_close) return;
    about.to_close = true;
    PostMessageW(app.windows.main_window, kMsgCloseAbout, 0, 0);
}

void toggle_dont_show(App& app, HWND window) {
    app.settings.hide_about = !app.settings.hide_about;
    save_changed_settings(app.settings, app.settings_synced);
    InvalidateRect(window, nullptr, FALSE);
}

void activate(App& app, AboutWindow& about, AboutItem item) {
    switch (item) {
        case AboutItem::close_cross:
        case AboutItem::close_button:
            request_close(app, about);
            break;
        case AboutItem::link_mpv:
        case AboutItem::link_licence:
            ShellExecuteW(about.window, L"open", about_link_target(item), nullptr, nullptr, SW_SHOWNORMAL);
            break;
        case AboutItem::dont_show:
            toggle_dont_show(app, about.window);
            break;
        case AboutItem::none:
            break;
    }
}

void set_hot(AboutWindow& about, AboutItem item) {
    if (about.hot == item) return;
    about.hot = item;
    InvalidateRect(about.window, nullptr, FALSE);
}

void on_mouse_move(AboutWindow& about, POINT point) {
    if (!about.tracking) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = about.window;
        TrackMouseEvent(&track);
        about.tracking = true;
    }
    set_hot(about, about_item_at(about_layout(about.style.dpi), point));
}

// The window opens with the focus, often at start-up over a video that starts playing: a Space
// meant to pause must close it, not tick the check box. Only after Tab, which shows the focus on the
// check box, does Space toggle it.
void on_key_down(App& app, AboutWindow& about, WPARAM key) {
    switch (key) {
        case VK_ESCAPE:
        case VK_RETURN:
            request_close(app, about);
            break;
        case VK_SPACE:
            if (about.check_focused)
                toggle_dont_show(app, about.window);
            else
                request_close(app, about);
            break;
        case VK_TAB:
            about.check_focused = !about.check_focused;
            InvalidateRect(about.window, nullptr, FALSE);
            break;
        default:
            break;
    }
}

// The body font underlined, for the link under the pointer.
HFONT create_link_font(uint32_t dpi) { return create_ui_font(L"Segoe UI", 14, FW_NORMAL, dpi, true); }

void set_dpi(AboutWindow& about, uint32_t dpi) {
    if (about.style.set_dpi(dpi)) about.link_font.reset(create_link_font(dpi));
}

// The window was dragged to, or sits on, a monitor with another scale: it lays itself out at that
// DPI inside the rectangle Windows suggests, which keeps it under the pointer.
void on_dpi_changed(AboutWindow& about, uint32_t dpi, const RECT* suggested) {
    set_dpi(about, dpi);
    if (suggested && suggested->right > suggested->left && suggested->bottom > suggested->top)
        SetWindowPos(about.window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(about.window, nullptr, FALSE);
}

LRESULT on_hit_test(const AboutWindow& about, HWND window, LPARAM lparam) {
    POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(window, &point);
    const AboutLayout layout = about_layout(about.style.dpi);
    // The top band moves the window, except where the close cross sits in it.
    if (inside(layout.band, point) && !inside(layout.close_cross, point)) return HTCAPTION;
    return HTCLIENT;
}

void paint_buffered(const App& app, const AboutWindow& about, HWND window, HDC target) {
    RECT client{};
    GetClientRect(window, &client);
    const MemoryCanvas canvas(target, client.right, client.bottom);
    if (!canvas.ok()) return;
    paint_about(app, about, canvas.dc(), client.right, client.bottom);
    canvas.copy_to(target, client.right, client.bottom);
}

BarRect bar_rect(const RECT& r) { return BarRect{r.left, r.top, r.right, r.bottom}; }

AccessibleNode about_node(AccessibleRole role, const char* id, std::string name, const RECT& rect,
                          AboutItem action = AboutItem::none) {
    AccessibleNode node;
    node.role = role;
    node.automation_id = id;
    node.name = std::move(name);
    node.rect = bar_rect(rect);
    node.invokable = role == AccessibleRole::button || role == AccessibleRole::hyperlink;
    node.action = static_cast<uint32_t>(action);
    return node;
}

// A reader's Invoke and Toggle, posted from its thread; the same as a click on the item.
void on_accessible_action(App& app, AboutWindow& about, WPARAM wparam, LPARAM lparam) {
    const AccessibleRequest request = decode_accessible_request(wparam, lparam);
    const auto item = static_cast<AboutItem>(request.action);
    const bool toggle = request.verb == AccessibleVerb::toggle && item == AboutItem::dont_show;
    const bool invoke =
        request.verb == AccessibleVerb::invoke && (item == AboutItem::link_mpv || item == AboutItem::link_licence ||
                                                   item == AboutItem::close_button || item == AboutItem::close_cross);
    if (toggle || invoke) activate(app, about, item);
}

LRESULT handle(App& app, AboutWindow& about, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            {
                const PaintScope paint(window);
                paint_buffered(app, about, window, paint.dc());
            }
            refresh_accessible(app, &Accessibility::about, window, about_accessible_tree(app));
            return 0;
        }
        case WM_GETOBJECT:
            if (const auto answer = serve_accessible(app, &Accessibility::about, window, window, wparam, lparam,
                                                     about_accessible_tree(app)))
                return *answer;
            break;
        case kMsgAccessibleAction:
            on_accessible_action(app, about, wparam, lparam);
            return 0;
        case WM_PRINTCLIENT:
            paint_buffered(app, about, window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_NCHITTEST:
            return on_hit_test(about, window, lparam);
        case WM_NCLBUTTONDBLCLK:
            return 0;  // a double click on the band must not try to maximize the card
        case WM_SETCURSOR:
            if (LOWORD(lparam) == HTCLIENT &&
                (about.hot == AboutItem::link_mpv || about.hot == AboutItem::link_licence)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            on_mouse_move(about, point);
            return 0;
        case WM_MOUSELEAVE:
            about.tracking = false;
            set_hot(about, AboutItem::none);
            return 0;
        case WM_LBUTTONDOWN:
            about.pressed = about_item_at(about_layout(about.style.dpi), point);
            if (about.pressed != AboutItem::none) SetCapture(window);
            return 0;
        case WM_LBUTTONUP: {
            const AboutItem pressed = about.pressed;
            about.pressed = AboutItem::none;
            if (GetCapture() == window) ReleaseCapture();
            // Like a push button: only a release over the item that was pressed acts.
            if (pressed != AboutItem::none && about_item_at(about_layout(about.style.dpi), point) == pressed)
                activate(app, about, pressed);
            return 0;
        }
        case WM_KEYDOWN:
            on_key_down(app, about, wparam);
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(about, HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_CLOSE:
            request_close(app, about);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

AccessibleTree about_accessible_tree(const App& app) {
    // Laid out at the About window's own DPI, which may differ from the main window's.
    const AboutLayout layout = about_layout(app.windows.about ? app.windows.about->style.dpi : app.windows.dpi);
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

void AboutWindowDelete::operator()(AboutWindow* about) const { delete about; }

AboutLayout about_layout(uint32_t dpi) {
    constexpr int32_t width = 440;
    constexpr int32_t height = 300;
    AboutLayout l;
    l.size = SIZE{scale_px(width, dpi), scale_px(height, dpi)};
    l.band = scaled(dpi, 0, 0, width, 44);
    l.close_cross = scaled(dpi, width - 44, 0, width, 44);
    l.logo = scaled(dpi, (width - 300) / 2, 60, (width - 300) / 2 + 300, 60 + 66);
    l.title = scaled(dpi, 20, 134, width - 20, 164);
    l.description = scaled(dpi, 20, 164, width - 20, 186);
    l.link_mpv = scaled(dpi, 28, 196, width / 2 - 6, 220);
    l.link_licence = scaled(dpi, width / 2 + 6, 196, width - 28, 220);
    l.separator = scaled(dpi, 20, 236, width - 20, 237);
    l.dont_show = scaled(dpi, 20, 250, 280, 282);
    l.check_box = scaled(dpi, 22, 258, 38, 274);
    l.close_button = scaled(dpi, width - 20 - 100, 250, width - 20, 282);
    return l;
}

AboutItem about_item_at(const AboutLayout& layout, POINT point) {
    if (inside(layout.close_cross, point)) return AboutItem::close_cross;
    if (inside(layout.link_mpv, point)) return AboutItem::link_mpv;
    if (inside(layout.link_licence, point)) return AboutItem::link_licence;
    if (inside(layout.dont_show, point)) return AboutItem::dont_show;
    if (inside(layout.close_button, point)) return AboutItem::close_button;
    return AboutItem::none;
}

const wchar_t* about_link_target(AboutItem item) {
    if (item == AboutItem::link_mpv) return L"https://mpv.io";
    if (item == AboutItem::link_licence) return L"https://www.gnu.org/licenses/gpl-3.0.html";
    return L"";
}

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

void paint_about(const App& app, const AboutWindow& about, HDC dc, int width, int height) {
    const AboutLayout layout = about_layout(about.style.dpi);
    const uint32_t dpi = about.style.dpi;
    const Palette& palette = app.windows.palette;
    fill_solid(dc, RECT{0, 0, width, height}, palette.background);
    fill_solid(dc, layout.band, palette.band);
    fill_solid(dc,
               RECT{0, layout.band.bottom, width, layout.band.bottom + (scale_px(1, dpi) > 1 ? scale_px(1, dpi) : 1)},
               palette.top_line);
    SetBkMode(dc, TRANSPARENT);

    RECT caption = layout.band;
    caption.left += scale_px(18, dpi);
    caption.right = layout.close_cross.left;
    draw_text(dc, about.style.fonts.text.get(), palette.dimmed, pick(kCaption), caption, DT_LEFT);
    const bool cross_hot = about.hot == AboutItem::close_cross;
    if (cross_hot) fill_solid(dc, layout.close_cross, palette.close_hot);
    {
        const SelectGuard select(dc, about.style.fonts.icon.get());
        SetTextColor(dc, cross_hot ? palette.on_close_hot : palette.normal);
        wchar_t cross = 0xE711;
        RECT rect = layout.close_cross;
        DrawTextW(dc, &cross, 1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }

    if (about.logo)
        draw_logo(dc, about.logo.get(), layout.logo);
    else
        draw_text(dc, about.style.fonts.title.get(), palette.normal, TARNWICK_PRODUCT_NAME, layout.logo, DT_CENTER);

    const std::string title = std::string(TARNWICK_PRODUCT_NAME) + " " + TARNWICK_VERSION_STRING;
    draw_text(dc, about.style.fonts.title.get(), palette.normal, title.c_str(), layout.title, DT_CENTER);
    draw_text(dc, about.style.fonts.body.get(), palette.dimmed, pick(kDescription), layout.description, DT_CENTER);
    paint_link(app, about, dc, AboutItem::link_mpv, kLinkMpv, layout.link_mpv);
    paint_link(app, about, dc, AboutItem::link_licence, kLinkLicence, layout.link_licence);
    fill_solid(dc, layout.separator, palette.top_line);

    paint_check_box(app, about, layout, dc);
    const RECT& button = layout.close_button;
    fill_round_rect(dc, RECT{button.left, button.top, button.right + 1, button.bottom + 1}, scale_px(6, dpi),
                    about.hot == AboutItem::close_button ? palette.accent_hot : palette.accent);
    draw_text(dc, about.style.fonts.body.get(), palette.on_accent, pick(kClose), button, DT_CENTER);

    const OwnedBrush border(CreateSolidBrush(palette.border));
    const RECT all{0, 0, width, height};
    FrameRect(dc, &all, border.get());
}

LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    App* app = g_app;
    AboutWindow* about = about_of(app, window);
    if (!about) {
        if (message == WM_ERASEBKGND) return 1;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return handle(*app, *about, window, message, wparam, lparam);
}

void show_about(App& app) {
    if (!app.windows.main_window) return;
    if (app.windows.about) {
        if (app.windows.about->window) SetForegroundWindow(app.windows.about->window);
        return;
    }
    std::unique_ptr<AboutWindow, AboutWindowDelete> about(new AboutWindow);
    about->logo.reset(load_logo(GetModuleHandleW(nullptr)));
    // The main window's DPI first: the window opens over it, so on its monitor.
    set_dpi(*about, app.windows.dpi);

    const AboutLayout layout = about_layout(app.windows.dpi);
    const RECT place = centred_over(app.windows.main_window, layout.size);

    AboutWindow& state = *about;
    app.windows.about = std::move(about);
    const std::wstring caption = wide(pick(kCaption));
    state.window =
        CreateWindowExW(0, kAboutWindowClass, caption.c_str(), WS_POPUP, place.left, place.top, layout.size.cx,
                        layout.size.cy, app.windows.main_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!state.window) {
        app.windows.about.reset();
        return;
    }
    // Kept inside the work area, it may still have landed on a monitor of another scale.
    if (const uint32_t own = window_dpi(state.window); own != state.style.dpi) {
        set_dpi(state, own);
        const SIZE size = about_layout(own).size;
        SetWindowPos(state.window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    SetFocus(state.window);
}

void about_follow_dpi(App& app) {
    if (!app.windows.about || !app.windows.about->window) return;
    set_dpi(*app.windows.about, app.windows.dpi);
    const SIZE size = about_layout(app.windows.dpi).size;
    const RECT place = centred_over(app.windows.main_window, size);
    SetWindowPos(app.windows.about->window, nullptr, place.left, place.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(app.windows.about->window, nullptr, FALSE);
}

void destroy_about(App& app) {
    if (!app.windows.about) return;
    // Taken out first: the messages of the destruction then find no About state to act on.
    const std::unique_ptr<AboutWindow, AboutWindowDelete> about = std::move(app.windows.about);
    retire_accessible(app, &Accessibility::about, about->window);
    if (about->window) DestroyWindow(about->window);
}
