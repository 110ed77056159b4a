// The tooltip control that names the bar's buttons.
#pragma once

struct App;

// One tool per button (id + 1), texts in the active language. The layout of the main window's
// children gives the tools their rectangles.
void create_tooltips(App& app);
// A tooltip control keeps copies of its texts, so only a new one speaks a new language: the old one
// goes and a new one is made in its place. The tools need the layout again afterwards.
void renew_tooltips(App& app);
