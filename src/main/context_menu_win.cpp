#include "context_menu_win.h"

#include "app_state_win.h"

// The menus and the dialog come with the menus work.
void show_context_menu(App&) {}
void show_track_menu(App&, std::string_view) {}
std::optional<std::string> open_file_dialog(App&, std::string_view, std::string_view) { return std::nullopt; }
void open_video_with_dialog(App&) {}
