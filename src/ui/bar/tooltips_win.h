// The tooltip control that names the bar's buttons.
#pragma once

struct App;

// One tool per button (id + 1), texts in the active language. The layout of the main window's
// children gives the tools their rectangles.
void create_tooltips(App& app);
