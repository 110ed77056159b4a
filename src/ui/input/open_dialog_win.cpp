#include "ui/input/open_dialog_win.h"

#include <algorithm>

#include "app/app_state_win.h"
#include "app/file_types.h"
#include "app/settings/language.h"
#include "base/dll_functions_win.h"
#include "base/wide_win.h"

namespace {

// comdlg32 and what it loads cost the start of every run, and most runs never open the dialog: the
// library is loaded when it is first opened.
#define TARNWICK_COMDLG32(X) X(GetOpenFileNameW)

TARNWICK_FUNCTION_TABLE(Comdlg32, comdlg32, TARNWICK_COMDLG32, load_system_library(L"comdlg32.dll"))

constexpr Text kVideos{"Videos", "Vidéos"};
constexpr Text kSubtitleFiles{"Subtitles", "Sous-titres"};
constexpr Text kAllFiles{"All files", "Tous les fichiers"};
constexpr DWORD kFileBufferUnits = 32768;
static_assert(sizeof(OPENFILENAMEW) == 152);

}  // namespace

// Windows 7 and later open the dialog in the folder the user last chose from when lpstrInitialDir is
// the one this program passed the first time it ever showed the dialog, but in the folder of a path
// in lpstrFile before anything else: so the folder is in both, and the name box stays empty.
void prepare_open_file_dialog(OpenFileDialog& dialog, HWND owner, std::string_view filter_name,
                              std::string_view pattern, std::string_view start_folder) {
    dialog.filter = wide(dialog_filter(filter_name, pattern, pick(kAllFiles)));
    dialog.start_folder = wide(start_folder);
    dialog.file.assign(kFileBufferUnits, L'\0');
    std::copy(dialog.start_folder.begin(), dialog.start_folder.end(), dialog.file.begin());
    dialog.request = OPENFILENAMEW{};
    dialog.request.lStructSize = sizeof dialog.request;
    dialog.request.hwndOwner = owner;
    dialog.request.lpstrFilter = dialog.filter.c_str();
    dialog.request.nFilterIndex = 0;
    dialog.request.lpstrFile = dialog.file.data();
    dialog.request.nMaxFile = kFileBufferUnits;  // characters, not bytes
    if (!dialog.start_folder.empty()) dialog.request.lpstrInitialDir = dialog.start_folder.c_str();
    dialog.request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
}

std::string chosen_path(const OpenFileDialog& dialog) {
    const std::wstring_view buffer(dialog.file.data(), dialog.file.size());
    return narrow(buffer.substr(0, buffer.find(L'\0')));
}

// The dialog makes the folder the user browsed to the current one, and Microsoft documents
// OFN_NOCHANGEDIR as having no effect on the open dialog: the folder start-up chose is put back, so
// that no folder on a stick or a share stays held by the player.
std::optional<std::string> run_open_file_dialog(OpenFileDialog& dialog, ShowOpenDialog show) {
    std::vector<wchar_t> folder(MAX_PATH);
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    }
    const bool chosen = show(&dialog.request);
    if (length > 0 && length < folder.size()) SetCurrentDirectoryW(folder.data());
    if (!chosen) return std::nullopt;
    std::string path = chosen_path(dialog);
    if (path.empty()) return std::nullopt;
    return path;
}

std::optional<std::string> open_file_dialog(App& app, std::string_view filter_name, std::string_view pattern) {
    OpenFileDialog dialog;
    const auto& current = app.playback.current_file;
    prepare_open_file_dialog(dialog, app.windows.main_window, filter_name, pattern,
                             current ? dialog_start_folder(*current) : std::string());
    const auto show = comdlg32().GetOpenFileNameW;
    if (!show) return std::nullopt;
    return run_open_file_dialog(dialog, show);
}

Command choose_video(App& app) {
    const auto path = open_file_dialog(app, pick(kVideos), kVideoPatterns);
    return path ? path_command(CommandId::open_file, *path) : Command{};
}

Command choose_subtitle_file(App& app) {
    const auto path = open_file_dialog(app, pick(kSubtitleFiles), kSubtitlePatterns);
    return path ? path_command(CommandId::load_subtitle_file, *path) : Command{};
}
