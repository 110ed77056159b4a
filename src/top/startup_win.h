// The process from its first instruction to the end of the message loop.
#pragma once

#include <optional>
#include <string>

// The file or URL named on the command line, made absolute unless it is a URL or a \\?\ path.
std::optional<std::string> file_argument_from_command_line(const wchar_t* command_line);

// Runs start-up and the message loop; returns the process exit code.
int run_application();
