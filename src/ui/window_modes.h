// Where the video and the control bar stand in the main window's client area, and the window's
// smallest size, for a given DPI. Pure arithmetic, shared by the layout, the auto-hide check and
// WM_GETMINMAXINFO.
#pragma once

#include <cstdint>

// 44 pixels at 96 DPI.
int32_t bar_height_for(uint32_t dpi);

struct ChildLayout {
    int32_t video_height = 0;
    bool bar_visible = false;
    int32_t bar_top = 0;  // negative when the client area is lower than the bar
    int32_t bar_height = 0;
};

// The bar spans the full client width; only the height decides the rest.
ChildLayout compute_child_layout(uint32_t dpi, int32_t height, bool fullscreen, bool bar_shown);

// The bar's strip: 0 <= x < width, height - bar height <= y < height.
bool in_bar_strip(uint32_t dpi, int32_t width, int32_t height, int32_t x, int32_t y);

struct MinTrackSize {
    int32_t width = 0;
    int32_t height = 0;
};

// 580 x 300 at 96 DPI.
MinTrackSize min_track_size(uint32_t dpi);

// The timer-1 check: true when the bar must stay and the count starts again.
struct AutoHideInputs {
    bool bar_shown = false;
    bool cursor_in_bar_strip = false;
    bool over_bar_target = false;  // a button, the seek bar or the volume slider under the cursor
    bool dragging = false;
    bool help_open = false;
    bool menu_open = false;  // a popup menu over the window
};
bool auto_hide_keeps_bar(const AutoHideInputs& inputs);
