// The open-file dialog of the videos and of the subtitle files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command.h"
#include "base/win32_win.h"

struct App;

// GetOpenFileNameW's arguments; the structure points into the buffers, so it stays in place.
struct OpenFileDialog {
    std::wstring filter;
    std::wstring start_folder;
    std::vector<wchar_t> file;
    OPENFILENAMEW request{};

    OpenFileDialog() = default;
    OpenFileDialog(const OpenFileDialog&) = delete;
    OpenFileDialog& operator=(const OpenFileDialog&) = delete;
};

// `start_folder` (from dialog_start_folder) is where the dialog opens; empty leaves it to Windows.
void prepare_open_file_dialog(OpenFileDialog& dialog, HWND owner, std::string_view filter_name,
                              std::string_view pattern, std::string_view start_folder = {});
// The file buffer up to its first NUL, as UTF-8.
std::string chosen_path(const OpenFileDialog& dialog);

// Shows the dialog with `show` (GetOpenFileNameW): the chosen path, or nothing when cancelled. The
// current folder is left where it was.
using ShowOpenDialog = BOOL(WINAPI*)(LPOPENFILENAMEW);
std::optional<std::string> run_open_file_dialog(OpenFileDialog& dialog, ShowOpenDialog show);
// The chosen path, or nothing when cancelled. It opens in the current file's folder when that is
// local.
std::optional<std::string> open_file_dialog(App& app, std::string_view filter_name, std::string_view pattern);
// The video dialog of Ctrl+O, the menu and the bar's open button: open_file with the chosen path, or
// none when cancelled.
Command choose_video(App& app);
// "Load a subtitle file…": load_subtitle_file with the chosen path, or none.
Command choose_subtitle_file(App& app);
