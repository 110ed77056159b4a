// The menus are built afresh each time from the App state and the active language, shown with
// TPM_RETURNCMD so the choice comes back here instead of as WM_COMMAND, and destroyed at once.
#include "ui/input/context_menu_win.h"

#include "app/app_state_win.h"
#include "app/playback/tracks_win.h"
#include "app/settings/language.h"
#include "base/wide_win.h"
#include "ui/bar/bar_layout.h"
#include "ui/cards/card_window_win.h"
#include "ui/input/context_menu.h"
#include "ui/window_modes.h"
#include "ui/window_modes_win.h"

namespace {

void append_entries(App& app, HMENU menu, const std::vector<MenuEntry>& entries);

void append_submenu(HMENU menu, OwnedMenu submenu, const MenuEntry& entry) {
    const UINT flags = MF_POPUP | MF_STRING | (entry.grayed ? MF_GRAYED : 0u);
    if (AppendMenuW(menu, flags, reinterpret_cast<UINT_PTR>(submenu.get()), wide(entry.label).c_str()))
        submenu.release();  // the main menu owns it now
}

void append_entries(App& app, HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuEntry::Kind::item: {
                const UINT flags = MF_STRING | (entry.checked ? MF_CHECKED : 0u) | (entry.grayed ? MF_GRAYED : 0u);
                AppendMenuW(menu, flags, entry.id, wide(entry.label).c_str());
                break;
            }
            case MenuEntry::Kind::audio_menu:
            case MenuEntry::Kind::subtitle_menu: {
                OwnedMenu submenu(CreatePopupMenu());
                build_track_menu(app, submenu.get(),
                                 entry.kind == MenuEntry::Kind::audio_menu ? TrackKind::audio : TrackKind::subtitle);
                append_submenu(menu, std::move(submenu), entry);
                break;
            }
            case MenuEntry::Kind::language_menu: {
                OwnedMenu submenu(CreatePopupMenu());
                append_entries(app, submenu.get(), language_menu_entries());
                append_submenu(menu, std::move(submenu), entry);
                break;
            }
        }
    }
}

}  // namespace

OwnedMenu build_context_menu(App& app) {
    OwnedMenu menu(CreatePopupMenu());
    MenuState state;
    state.file_loaded = app.playback.file_loaded;
    state.fullscreen = app.mode.fullscreen;
    state.multi_instance = app.settings.multi_instance;
    state.always_on_top = app.settings.always_on_top;
    state.wheel_invert = app.settings.wheel_invert;
    append_entries(app, menu.get(), context_menu_entries(state));
    return menu;
}

void build_track_menu(App& app, HMENU menu, TrackKind kind) {
    std::vector<Track> tracks;
    if (app.core && app.playback.file_loaded) tracks = list_tracks(app, kind);
    append_entries(app, menu, track_menu_entries(kind, app.core.has_value(), app.playback.file_loaded, tracks));
}

// Always at the mouse pointer, also when Shift+F10 or the menu key produced WM_CONTEXTMENU.
Command show_context_menu(App& app) {
    OwnedMenu menu = build_context_menu(app);
    POINT cursor{};
    GetCursorPos(&cursor);
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                                     app.windows.main_window, nullptr));
    menu.reset();
    return menu_command(id);
}

POINT track_menu_anchor(const App& app, TrackKind kind) {
    RECT client{};
    GetClientRect(app.windows.main_window, &client);
    const int32_t bar = bar_height_for(app.windows.dpi);
    const BarLayout layout = compute_bar_layout(app.windows.dpi, client.right, bar);
    const BarButton& button = layout.button(kind == TrackKind::audio ? kButtonAudio : kButtonSubtitles);
    POINT anchor{button.rect.left, client.bottom - bar};
    ClientToScreen(app.windows.main_window, &anchor);
    return anchor;
}

Command show_track_menu(App& app, TrackKind kind) {
    const POINT anchor = track_menu_anchor(app, kind);
    OwnedMenu menu(CreatePopupMenu());
    build_track_menu(app, menu.get(), kind);
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_BOTTOMALIGN, anchor.x, anchor.y, 0,
                                                     app.windows.main_window, nullptr));
    menu.reset();
    return menu_command(id);
}
