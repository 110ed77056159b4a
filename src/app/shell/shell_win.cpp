#include "app/shell/shell_win.h"

#include <string>
#include <system_error>
#include <thread>

#include "app/app_state_win.h"
#include "base/ole_win.h"
#include "base/wide_win.h"

static_assert(APPCOMMAND_MEDIA_PLAY_PAUSE == 14 && APPCOMMAND_MEDIA_STOP == 13 && APPCOMMAND_MEDIA_PLAY == 46 &&
                  APPCOMMAND_MEDIA_PAUSE == 47 && APPCOMMAND_MEDIA_FAST_FORWARD == 49 && APPCOMMAND_MEDIA_REWIND == 50,
              "shell_surfaces.cpp reads WM_APPCOMMAND with these numbers");

void ShellDelete::operator()(Shell* shell) const { delete shell; }

void add_to_recent_documents(const wchar_t* path) {
    const HRESULT com = com_initialize_apartment();
    SHAddToRecentDocs(SHARD_PATHW, path);
    if (SUCCEEDED(com)) com_uninitialize();
}

namespace {

// SHAddToRecentDocs on a network path whose server has gone can stall for tens of seconds, so the
// window's thread never waits for it: each file gets a thread of its own that ends when the shell
// answers, or with the process.
void start_recent_document(void (*add)(const wchar_t*), std::wstring path) {
    try {
        std::thread([add, path = std::move(path)] { add(path.c_str()); }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the file is simply not listed.
    }
}

}  // namespace

void shell_start(App& app) {
    app.windows.shell.reset(new Shell);
    Shell& shell = *app.windows.shell;
    shell.taskbar_created = RegisterWindowMessageW(kTaskbarCreatedMessage);
    attach_media_overlay(shell.overlay, app.windows.main_window, kMsgOverlayButton);
    // The window has been on screen since before the library loaded, so Explorer has usually made
    // its button already, and its message may have come and gone before there was anyone to hear
    // it. Without a button both calls fail harmlessly, and the message, when it comes, adds them.
    on_taskbar_created(app);
}

void shell_follow(App& app) {
    if (!app.windows.shell || !app.windows.main_window) return;
    Shell& shell = *app.windows.shell;
    taskbar_follow(shell.taskbar, app.windows.main_window, taskbar_progress(app.playback, shell.failed),
                   thumb_buttons(app.playback), app.windows.dpi);
    media_overlay_follow(shell.overlay, app.playback);
}

void shell_file_failed(App& app) {
    if (!app.windows.shell || !app.windows.main_window) return;
    app.windows.shell->failed = true;
    SetTimer(app.windows.main_window, kTimerTaskbarError, kTaskbarErrorMs, nullptr);
    shell_follow(app);
}

void shell_file_loaded(App& app) {
    if (app.windows.shell && app.windows.shell->failed) {
        app.windows.shell->failed = false;
        KillTimer(app.windows.main_window, kTimerTaskbarError);
    }
    // Restarted by the next file, so only a file that is still playing joins.
    if (app.windows.main_window)
        SetTimer(app.windows.main_window, kTimerRecentDocuments, kRecentDocumentsDelayMs, nullptr);
    shell_follow(app);
}

void on_recent_documents_timer(App& app) {
    KillTimer(app.windows.main_window, kTimerRecentDocuments);
    const auto& path = app.playback.current_file;
    // Windows lists it in its recent documents and in the jump list of the program the file type
    // is registered to.
    if (app.playback.file_loaded && path && belongs_in_recent_documents(*path) && app.windows.shell)
        start_recent_document(app.windows.shell->add_recent_document, wide(*path));
}

void shell_close(App& app) {
    if (!app.windows.shell) return;
    Shell& shell = *app.windows.shell;
    KillTimer(app.windows.main_window, kTimerRecentDocuments);
    if (shell.taskbar.list) shell.taskbar.list->SetProgressState(app.windows.main_window, TBPF_NOPROGRESS);
    shell.taskbar = Taskbar{};
    detach_media_overlay(shell.overlay);
}

bool is_taskbar_created(const App& app, UINT message) {
    return app.windows.shell && app.windows.shell->taskbar_created != 0 &&
           message == app.windows.shell->taskbar_created;
}

void on_taskbar_created(App& app) {
    Taskbar& taskbar = app.windows.shell->taskbar;
    if (!taskbar.list && !create_taskbar(taskbar)) return;
    // A new taskbar button shows nothing yet, whatever the old one showed.
    taskbar.shown_progress.reset();
    add_thumb_buttons(taskbar, app.windows.main_window, thumb_buttons(app.playback), app.windows.dpi);
    shell_follow(app);
}

std::optional<Command> thumb_button_command(WPARAM wparam) {
    if (HIWORD(wparam) != THBN_CLICKED) return std::nullopt;
    const MediaAction action = thumb_button_action(LOWORD(wparam));
    if (action == MediaAction::none) return std::nullopt;
    return media_command(action);
}

std::optional<Command> media_key_command(const App& app, LPARAM lparam) {
    const bool overlay = app.windows.shell && media_overlay_offers_buttons(app.windows.shell->overlay);
    const MediaAction action = app_command_action(GET_APPCOMMAND_LPARAM(lparam), overlay);
    if (action == MediaAction::none) return std::nullopt;
    return media_command(action);
}

Command overlay_button_command(WPARAM button) {
    if (button > 0xFF) return {};  // not a button of the overlay's
    return media_command(overlay_button_action(static_cast<int32_t>(button)));
}

void on_taskbar_error_timer(App& app) {
    KillTimer(app.windows.main_window, kTimerTaskbarError);
    if (!app.windows.shell) return;
    app.windows.shell->failed = false;
    shell_follow(app);
}
