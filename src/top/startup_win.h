// The process from its first instruction to the end of the message loop.
#pragma once

#include <optional>
#include <string>

#include "base/win32_win.h"

struct App;

// The file or URL named on the command line, made absolute unless it is a URL or a \\?\ path.
std::optional<std::string> file_argument_from_command_line(const wchar_t* command_line);

// The five window classes of the program, registered once per process (a second call changes
// nothing). Tests build their windows with these two as well.
void register_classes(HINSTANCE instance);
// The main window at its start-up size and placement, with the video and bar children, the DPI and
// the fonts; false when the main window cannot be made.
bool create_windows(App& app, HINSTANCE instance);

// Runs start-up and the message loop; returns the process exit code.
int run_application();
