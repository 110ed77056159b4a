// The right-click menu, the control bar's track menus and the open-file dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct App;

void show_context_menu(App& app);
// kind is "audio" or "sub"; the menu opens upwards from the bar at the button's left edge.
void show_track_menu(App& app, std::string_view kind);
// The chosen path, or nothing when cancelled.
std::optional<std::string> open_file_dialog(App& app, std::string_view filter_name, std::string_view pattern);
// The video dialog of Ctrl+O, the menu and the bar's open button, then open_file.
void open_video_with_dialog(App& app);
