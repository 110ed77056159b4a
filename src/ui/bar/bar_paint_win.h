// Painting the control bar from the App state.
#pragma once

#include <cstdint>

#include "app/colour_scheme.h"
#include "base/win32_win.h"
#include "ui/bar/bar_layout.h"

struct App;

// Composes the whole bar, w x h, into dc at its origin.
void paint_bar(const App& app, HDC dc, int width, int height);
void paint_slider(HDC dc, uint32_t dpi, const Palette& palette, const BarRect& rect, double fraction, bool active,
                  COLORREF fill);
