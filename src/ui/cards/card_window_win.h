// The cards: borderless windows shown over the main window, Help and About. One window procedure
// does what both need (creation centred over the main window, their own DPI, buffered painting
// inside a bordered card, the screen readers' view, closing); each card supplies the rest in a
// CardKind of plain functions. What a card's keys and clicks ask of the player goes, as a command, to
// the runner its opener handed it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/app_state_win.h"
#include "app/changes.h"
#include "app/command.h"
#include "base/gdi_win.h"
#include "base/win32_win.h"
#include "ui/access/accessibility_win.h"

// Private messages of the cards; kMsgAccessibleAction (app_state_win.h) arrives too.
enum CardWindowMessage : UINT {
    kMsgCardFocusLost = WM_APP + 1,  // Help: the focus went, checked once the move is over
    kMsgCardRelayout,                // the texts need another size (a language switch)
};

// What a card draws with at its own DPI: it can sit on another monitor than the main window.
struct CardStyle {
    uint32_t dpi = 0;
    Fonts fonts;
    OwnedFont link;  // the body font underlined, for a link under the pointer
    CardStyle() = default;
    CardStyle(const CardStyle&) = delete;
    CardStyle& operator=(const CardStyle&) = delete;
    // Recreates the fonts for another DPI; true when it changed.
    bool set_dpi(uint32_t new_dpi);
};

struct CardWindow;
using CardPlace = std::unique_ptr<CardWindow, CardWindowDelete> AppWindows::*;
// Where the App keeps the open cards, one place per kind.
inline constexpr CardPlace kCardPlaces[] = {&AppWindows::about, &AppWindows::help};

// What one card supplies. `handle` sees every message first: a value answers it, nullopt leaves it
// to the shared handling. A card that closes itself in `handle` must answer.
struct CardKind {
    const wchar_t* class_name;
    CardPlace place;  // where the App keeps the card while it is open
    AccessibleSlot slot;
    Changes shows;  // the change that has the card drawn again
    std::string (*caption)(const App& app);
    SIZE (*size)(const App& app, const CardStyle& style);  // the client size
    // Draws the content; the card's background and border are drawn around it.
    void (*paint)(const App& app, const CardWindow& card, HDC dc, int width, int height);
    AccessibleTree (*tree)(const App& app, const CardWindow& card);
    std::optional<LRESULT> (*handle)(App& app, CardWindow& card, UINT message, WPARAM wparam, LPARAM lparam);
};

// An open card. The pointer and keyboard fields count in the card's own numbering of its items.
struct CardWindow {
    const CardKind* kind = nullptr;
    CommandRunner run = nullptr;  // what carries out the commands the card asks for
    HWND window = nullptr;
    CardStyle style;
    OwnedBitmap logo;  // a picture the card shows, when it has one
    uint8_t hot = 0;   // the item under the pointer
    uint8_t pressed = 0;
    bool tracking = false;   // a mouse-leave notification has been asked for
    bool focus_cue = false;  // Tab put the keyboard focus on an item
    bool to_close = false;   // asked the main window to close it
};


// A window of `size` centred over `owner`, moved as little as needed to stay in the work area of the
// owner's monitor.
RECT centred_over(HWND owner, SIZE size);

// Creates the card's window over the main window and gives it the focus; nothing when a card of the
// same kind is open.
void open_card(App& app, std::unique_ptr<CardWindow, CardWindowDelete> card);
// A card never destroys itself from its own messages: it asks the main window, which owns it, with
// kMsgCloseCard, and close_asked_cards closes it there.
void request_card_close(App& app, CardWindow& card);
void close_asked_cards(App& app);
// The one way a card goes: out of the App, away from screen readers, destroyed, and the main window
// gets the focus back. Nothing when it is not open.
void close_card(App& app, CardPlace place);
LRESULT card_window_proc(const CardKind& kind, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// After the main window's DPI changed: the open cards take it and are centred over it again.
Changes cards_follow_dpi(App& app);

// One line of UTF-8 text, vertically centred in `rect` and cut with an ellipsis.
void draw_card_text(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect, UINT format);
// One glyph of an icon font centred in `rect`.
void draw_card_glyph(HDC dc, HFONT font, COLORREF colour, char16_t glyph, RECT rect);
