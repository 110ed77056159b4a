// Which files the player offers and accepts: the open-file dialog's patterns, the subtitle patterns
// that decide what a dropped file is, and the dialog's filter text.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kVideoPatterns =
    "*.mp4;*.m4v;*.mkv;*.webm;*.avi;*.mov;*.wmv;*.flv;*.mpg;*.mpeg;*.ts;*.m2ts;*.mts;*.3gp;*.ogv;*.vob;*.divx;"
    "*.f4v;*.asf;*.rm;*.rmvb";
inline constexpr std::string_view kSubtitlePatterns = "*.srt;*.ass;*.ssa;*.vtt;*.sub;*.idx;*.sup;*.smi;*.txt";

// The last path component's text after its last '.', ASCII-lower-cased; empty when there is no dot
// or the only dot starts the name (".srt" is a name, not an extension).
std::string file_extension(std::string_view path);

// True when "*." + the extension equals one of the ';'-separated entries exactly.
bool matches_patterns(std::string_view path, std::string_view patterns);

bool is_subtitle_file(std::string_view path);

// The folder the open dialogs start in while `path_or_url` is the current file: its folder, ending in a
// backslash, in the plain form the dialog shows (\\?\C:\ and \\?\UNC\ taken off). Empty, which leaves
// the choice to Windows, for a URL, a name without a full folder, a device, and a folder too long for
// the dialog.
std::string dialog_start_folder(std::string_view path_or_url);

// name NUL pattern NUL all-files-name NUL "*.*" NUL NUL, as GetOpenFileNameW wants it.
std::string dialog_filter(std::string_view filter_name, std::string_view pattern, std::string_view all_files_name);
