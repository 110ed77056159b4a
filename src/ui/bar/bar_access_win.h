// The control bar's side of what screen readers see: its tree published from the App state, its
// WM_GETOBJECT, and what a reader's Invoke, Toggle or SetValue on its elements asks for.
#pragma once

#include <optional>

#include "app/command.h"
#include "base/win32_win.h"
#include "ui/access/accessibility_win.h"

struct App;

AccessibleTree bar_tree(const App& app);
std::optional<LRESULT> bar_on_get_object(App& app, WPARAM wparam, LPARAM lparam);
void refresh_bar_access(const App& app);
// kMsgAccessibleAction on the main window: the command of an Invoke, Toggle or SetValue on the
// bar's elements.
Command bar_request_command(const App& app, const AccessibleRequest& request);
