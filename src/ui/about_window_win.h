// The About window shown at start unless the user asked not to see it again.
#pragma once

#include "base/gdi_win.h"
#include "base/win32_win.h"
#include "ui/accessible_tree.h"
#include "ui/card_window_win.h"

struct App;

// The parts of the window the pointer can act on.
enum class AboutItem : uint8_t { none, close_cross, link_mpv, link_licence, dont_show, close_button };

struct AboutWindow {
    HWND window = nullptr;
    bool to_close = false;  // set by the window; the main window destroys it on kMsgCloseAbout
    OwnedBitmap logo;       // bitmap 2 of the program; absent when the module has none
    CardStyle style;        // the window's own DPI and fonts
    OwnedFont link_font;    // the body font underlined, for the link under the pointer
    AboutItem hot = AboutItem::none;
    AboutItem pressed = AboutItem::none;
    bool tracking = false;       // a mouse-leave notification has been asked for
    bool check_focused = false;  // Tab gave the check box the keyboard focus
};

// Rectangles in client coordinates for a DPI.
struct AboutLayout {
    SIZE size{};
    RECT band{};  // drags the window like a caption
    RECT close_cross{};
    RECT logo{};
    RECT title{};
    RECT description{};
    RECT link_mpv{};
    RECT link_licence{};
    RECT separator{};
    RECT dont_show{};  // the whole check box row
    RECT check_box{};
    RECT close_button{};
};
AboutLayout about_layout(uint32_t dpi);
AboutItem about_item_at(const AboutLayout& layout, POINT point);

// The two links: libmpv's home page and the licence.
const wchar_t* about_link_target(AboutItem item);

LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

void show_about(App& app);
// After the main window's DPI changed: the open About window, centred over it again, takes that DPI.
void about_follow_dpi(App& app);
// Destroys the About window and releases its state, when it is open.
void destroy_about(App& app);

// The window as a screen reader reads it: title, description, the two links, the check box and the
// Close button.
AccessibleTree about_accessible_tree(const App& app);

// Bitmap resource 2 of a module, or null.
HBITMAP load_logo(HINSTANCE module);
// The logo scaled into dest, smoothly.
void draw_logo(HDC dc, HBITMAP logo, const RECT& dest);
// Composes the whole window, w x h, into dc at its origin.
void paint_about(const App& app, const AboutWindow& about, HDC dc, int width, int height);
