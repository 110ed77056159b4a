// The right-click menu and the control bar's track menus. Building a menu and showing it are
// separate steps, so each can be driven on its own; the choice comes back as a command.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/changes.h"
#include "app/command.h"
#include "app/settings/language.h"
#include "base/handles_win.h"
#include "base/win32_win.h"
#include "player/track_list.h"

struct App;

// The right-click menu for the App state and the active language of this moment.
OwnedMenu build_context_menu(App& app);
// Appends the track entries of a kind to menu.
void build_track_menu(App& app, HMENU menu, TrackKind kind);

// The command chosen; CommandId::none when the menu was dismissed.
Command show_context_menu(App& app);
// Screen point where a track menu opens: the button's left edge on the bar's top edge.
POINT track_menu_anchor(const App& app, TrackKind kind);
// The menu opens upwards from the bar at the button's left edge; the command chosen.
Command show_track_menu(App& app, TrackKind kind);
