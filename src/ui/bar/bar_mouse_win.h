// The control bar's mouse handling. The bar window is disabled, so the main window receives every
// mouse message over the bar and the video and hands it here, with the function that runs the
// commands the bar's buttons and drags ask for; what the handlers change of the bar's own picture
// (hover, a drag) comes back for the main window to pass on.
#pragma once

#include "app/bar_input.h"
#include "app/changes.h"
#include "app/command.h"

struct App;

// Hit code of a point in the main window's client area.
BarHit bar_hit_test(const App& app, int x, int y);
// Applies the pointer's x to the drag in progress; final is the release.
Changes drag_update(App& app, int x, bool final, CommandRunner run);

// Mouse messages of the main window (coordinates in its client area).
Changes bar_on_mouse_move(App& app, int x, int y, CommandRunner run);
Changes bar_on_button_down(App& app, int x, int y, CommandRunner run);
Changes bar_on_button_up(App& app, int x, int y, CommandRunner run);
Changes bar_on_double_click(App& app, int x, int y, CommandRunner run);
