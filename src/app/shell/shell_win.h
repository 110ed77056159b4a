// The Windows shell's surfaces for the main window: the taskbar button (progress and thumbnail
// buttons), the keyboard's media keys, the media overlay and the recent documents. Everything here
// degrades silently: a shell without one of them (Wine, a stripped-down Windows) changes nothing else.
#pragma once

#include <memory>
#include <optional>

#include "app/app_state_win.h"
#include "app/shell/media_overlay_win.h"
#include "app/shell/shell_surfaces.h"
#include "app/shell/taskbar_win.h"
#include "base/win32_win.h"

// The taskbar's red "failed" state, ended by kTimerTaskbarError.
constexpr UINT kTaskbarErrorMs = 3000;
// A loaded file joins the recent documents this long after (kTimerRecentDocuments), when it is still
// the one playing.
constexpr UINT kRecentDocumentsDelayMs = 5000;

// Explorer sends the window this registered message whenever it makes the window's taskbar button,
// again after a restart of its own.
inline constexpr wchar_t kTaskbarCreatedMessage[] = L"TaskbarButtonCreated";

// Windows' own SHAddToRecentDocs for a path.
void add_to_recent_documents(const wchar_t* path);

struct Shell {
    UINT taskbar_created = 0;  // kTaskbarCreatedMessage's number
    Taskbar taskbar;
    MediaOverlay overlay;
    bool failed = false;  // a file has just failed to play
    // Adding a file to the recent documents costs the shell a lot of CPU (under Wine about 150 ms):
    // done while the file starts, it slowed the start by as much on a two-core machine, and on the
    // window's thread it kept the window from answering. It is done later, on a thread of its own
    // that nobody waits for. SHAddToRecentDocs unless a test puts a stand-in here.
    void (*add_recent_document)(const wchar_t* path) = add_to_recent_documents;
};

// At start, once the core is opening the first file: attaches the overlay, and gives the taskbar
// button its buttons if Explorer has made it already. Start-up lets the shell's messages through
// before the window is shown (allow_lower_integrity_messages).
void shell_start(App& app);
// After anything the shell's surfaces show may have changed: passes on what did.
void shell_follow(App& app);
// The file being opened could not be played.
void shell_file_failed(App& app);
// A file has loaded: it joins the recent documents a little later (kTimerRecentDocuments).
void shell_file_loaded(App& app);
void on_recent_documents_timer(App& app);
// At close: the taskbar's progress cleared, the overlay let go.
void shell_close(App& app);

// The main window's messages.
bool is_taskbar_created(const App& app, UINT message);
void on_taskbar_created(App& app);
// WM_COMMAND: the command of a click on a thumbnail button; nothing for any other WM_COMMAND.
std::optional<Command> thumb_button_command(WPARAM wparam);
// WM_APPCOMMAND: nothing when the key is not the program's, or is the overlay's while it offers
// its buttons, which leaves it to default processing.
std::optional<Command> media_key_command(const App& app, LPARAM lparam);
// A button of the overlay; CommandId::none for a button of no use.
Command overlay_button_command(WPARAM button);
void on_taskbar_error_timer(App& app);
