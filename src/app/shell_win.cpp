#include "app/shell_win.h"

#include "app/app_state_win.h"
#include "app/playback_win.h"
#include "base/wide_win.h"

static_assert(APPCOMMAND_MEDIA_PLAY_PAUSE == 14 && APPCOMMAND_MEDIA_STOP == 13 && APPCOMMAND_MEDIA_PLAY == 46 &&
                  APPCOMMAND_MEDIA_PAUSE == 47 && APPCOMMAND_MEDIA_FAST_FORWARD == 49 && APPCOMMAND_MEDIA_REWIND == 50,
              "shell_surfaces.cpp reads WM_APPCOMMAND with these numbers");

void ShellDelete::operator()(Shell* shell) const {
    if (shell && shell->recent_documents.joinable()) shell->recent_documents.join();
    delete shell;
}

namespace {

void add_to_recent_documents(Shell& shell, std::wstring path) {
    // One at a time: a file loaded while the last one is still being added waits for it.
    if (shell.recent_documents.joinable()) shell.recent_documents.join();
    shell.recent_documents = std::thread([path = std::move(path)] {
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        SHAddToRecentDocs(SHARD_PATHW, path.c_str());
        if (SUCCEEDED(com)) CoUninitialize();
    });
}

}  // namespace

void shell_start(App& app) {
    app.windows.shell.reset(new Shell);
    Shell& shell = *app.windows.shell;
    // Explorer sends it whenever it makes the window's taskbar button, again after a restart of its
    // own. An elevated copy would not receive it, nor the buttons' WM_COMMAND, without the filter.
    shell.taskbar_created = RegisterWindowMessageW(L"TaskbarButtonCreated");
    if (shell.taskbar_created)
        ChangeWindowMessageFilterEx(app.windows.main_window, shell.taskbar_created, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(app.windows.main_window, WM_COMMAND, MSGFLT_ALLOW, nullptr);
    attach_media_overlay(shell.overlay, app.windows.main_window, kMsgOverlayButton);
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
        add_to_recent_documents(*app.windows.shell, wide(*path));
}

void shell_close(App& app) {
    if (!app.windows.shell) return;
    Shell& shell = *app.windows.shell;
    KillTimer(app.windows.main_window, kTimerRecentDocuments);
    if (shell.recent_documents.joinable()) shell.recent_documents.join();
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

bool on_thumb_button(App& app, WPARAM wparam) {
    if (HIWORD(wparam) != THBN_CLICKED) return false;
    const MediaAction action = thumb_button_action(LOWORD(wparam));
    if (action == MediaAction::none) return false;
    run_media_action(app, action);
    return true;
}

bool on_app_command(App& app, LPARAM lparam) {
    const MediaAction action = app_command_action(GET_APPCOMMAND_LPARAM(lparam));
    if (action == MediaAction::none) return false;
    run_media_action(app, action);
    return true;
}

void on_overlay_button(App& app, WPARAM button) {
    if (button > 0xFF) return;  // not a button of the overlay's
    run_media_action(app, overlay_button_action(static_cast<int32_t>(button)));
}

void on_taskbar_error_timer(App& app) {
    KillTimer(app.windows.main_window, kTimerTaskbarError);
    if (!app.windows.shell) return;
    app.windows.shell->failed = false;
    shell_follow(app);
}

// The same actions as the control bar's buttons; play and pause only act when they change
// something, so a "play" key on a playing video does not pause it.
void run_media_action(App& app, MediaAction action) {
    const PlaybackState& state = app.playback;
    const bool playing = state.file_loaded && !state.paused && !state.eof_reached;
    switch (action) {
        case MediaAction::toggle_pause:
            toggle_pause(app);
            break;
        case MediaAction::play:
            if (!playing) toggle_pause(app);
            break;
        case MediaAction::pause:
            if (playing) toggle_pause(app);
            break;
        case MediaAction::back:
            seek_relative(app, -kMediaSeekSeconds);
            break;
        case MediaAction::forward:
            seek_relative(app, kMediaSeekSeconds);
            break;
        case MediaAction::none:
            break;
    }
}
