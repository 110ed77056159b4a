// The seek bar's preview popup: a tool window owned by the main window, never activated and without
// a taskbar button, that shows the time under the pointer while it is over the seek bar (or the
// drag's target) and hides by every rule that ends pointing at it. Its title is the time it shows.
#pragma once

#include "base/win32_win.h"

struct App;

// Shows, moves or hides the popup after anything changed: the pointer, a drag, the file, the bar's
// visibility in fullscreen, the window's state. The popup is made the first time it shows.
void follow_seek_preview(App& app);

// The main window lost the foreground: the popup goes until the pointer moves over the bar again.
void hide_seek_preview(App& app);

// A picture the worker made (kMsgSeekPreviewPicture): painted when it is of the time shown; a file
// it cannot show leaves the time alone.
void on_seek_preview_picture(App& app);
