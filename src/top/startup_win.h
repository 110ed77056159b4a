// The process from its first instruction to the end of the message loop.
#pragma once

#include <optional>
#include <string>

#include "base/ole_win.h"
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

// Asks DWM for the dark title bar, under the attribute's newer number and then its older one.
using SetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
constexpr DWORD kDarkModeAttributeBefore20H1 = 19;
void request_dark_title_bar(HWND window, SetWindowAttribute set);

// Lets through from processes of lower integrity what the shell and a second copy send: drops,
// the hand-off, "TaskbarButtonCreated" and the thumbnail buttons' WM_COMMAND.
using ChangeMessageFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
constexpr UINT kWmCopyGlobalData = 0x0049;  // not in the SDK headers
void allow_lower_integrity_messages(HWND window, ChangeMessageFilter change);

// What start-up asks of Windows where the arguments and the order matter; the start-up test puts
// recording stand-ins here.
struct StartupCalls {
    BOOL(WINAPI* set_default_dll_directories)(DWORD) = SetDefaultDllDirectories;
    BOOL(WINAPI* set_current_directory)(LPCWSTR) = SetCurrentDirectoryW;
    ChangeMessageFilter change_message_filter = ChangeWindowMessageFilterEx;
    HRESULT (*initialize_com)() = com_initialize_apartment;
    BOOL(WINAPI* show_window)(HWND, int) = ShowWindow;
};
// Libraries loaded by bare name come from the program's folder and System32 only.
void restrict_library_search(const StartupCalls& calls);
// Moves the current folder to System32, which is never removed or ejected.
void leave_current_folder(const StartupCalls& calls);
// The message filters and COM, then the window shown and painted.
void show_main_window(HWND window, bool maximized, const StartupCalls& calls);

// Runs start-up and the message loop; returns the process exit code.
int run_application();
