#include "ui/state_changed_win.h"

#include "app/app_state_win.h"
#include "app/shell/shell_win.h"
#include "ui/bar/bar_access_win.h"
#include "ui/bar/seek_preview_win.h"
#include "ui/bar/tooltips_win.h"
#include "ui/cards/card_window_win.h"
#include "ui/window_modes_win.h"

// Repaints only invalidate: each window picks its texts and reads the state when it paints. The
// bar's accessible tree is published at once, since a hidden bar does not paint.
void state_changed(App& app, Changes changes) {
    if (changes & kChangedWords) {
        renew_tooltips(app);
        layout_children(app);  // the new tools' rectangles
    }
    if (changes & kChangedBar) {
        if (app.windows.bar_window) InvalidateRect(app.windows.bar_window, nullptr, FALSE);
        refresh_bar_access(app);
    }
    if (changes & kChangedShell) shell_follow(app);
    if ((changes & kChangedHelp) && app.windows.help) InvalidateRect(app.windows.help->window, nullptr, FALSE);
    if ((changes & kChangedAbout) && app.windows.about) InvalidateRect(app.windows.about->window, nullptr, FALSE);
    // The pointer, the file and the window's state all move it, and it follows them at little cost.
    follow_seek_preview(app);
}
