// The one record of the running application. Start-up creates it once and publishes its address in
// g_app; every window procedure reads it from there. It is never freed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/bar_input.h"
#include "app/colour_scheme.h"
#include "app/settings/settings.h"
#include "base/gdi_win.h"
#include "base/win32_win.h"
#include "player/core.h"
#include "player/playback_state.h"
#include "player/preview_core.h"
#include "player/wake_up_win.h"

// Private messages of the main window, in one list so that no two share a number. The first is the
// number the player's wake-up callback posts.
enum MainWindowMessage : UINT {
    kMsgMainCoreWakeUp = kMsgCoreWakeUp,
    // A card asked to be closed (card_window_win.h); nothing when none did.
    kMsgCloseCard,
    // A button of the media overlay, in wParam; posted from the overlay's worker thread.
    kMsgOverlayButton = WM_APP + 16,
    // A screen reader's Invoke, Toggle or SetValue (accessible_provider_win.h). The accessible
    // provider posts it to whichever window it serves, so the About window takes the same number.
    kMsgAccessibleAction = WM_APP + 20,
    // Disconnects the screen readers' providers of windows that went while answering a message
    // another thread sent, where UI Automation cannot be called out to.
    kMsgRetireAccessible = WM_APP + 21,
    // The seek bar's preview has a picture (or knows it has none) to take; posted from its worker.
    kMsgSeekPreviewPicture = WM_APP + 22,
};

// Timers of the main window, in one list so that no two share an id.
enum MainWindowTimer : UINT_PTR {
    kTimerAutoHide = 1,
    kTimerResumeSave = 2,
    kTimerTaskbarError = 16,     // the taskbar's red "failed" state (shell_win.h)
    kTimerRecentDocuments = 17,  // a loaded file joins the recent documents (shell_win.h)
    kTimerSettingsRetry = 18,    // the next try of a save another program held up (settings_retry_win.h)
};
constexpr UINT kAutoHideMs = 2500;
constexpr UINT kResumeSaveMs = 30000;

struct App;
struct Accessibility;  // the screen readers' view of the windows, made when one first asks
struct AccessibilityDelete {
    void operator()(Accessibility* accessibility) const;
};
struct Shell;  // the taskbar button and the media overlay, defined in shell_win.h
struct ShellDelete {
    void operator()(Shell* shell) const;
};
struct CardWindow;  // an open Help or About window, defined with the cards
// Deletes it where its type is known, next to the cards.
struct CardWindowDelete {
    void operator()(CardWindow* card) const;
};

struct Fonts {
    OwnedFont icon;
    OwnedFont text;
    OwnedFont title;
    OwnedFont body;
    OwnedFont large_icon;
};

// The program's windows and what they draw with.
struct AppWindows {
    HWND main_window = nullptr;
    HWND video_window = nullptr;
    HWND bar_window = nullptr;
    HWND tooltip_window = nullptr;
    HWND seek_preview = nullptr;                          // the seek bar's time popup, from the first time it shows
    SIZE seek_preview_text{};                             // the popup's time, as last measured
    std::unique_ptr<CardWindow, CardWindowDelete> help;   // while Help is open
    std::unique_ptr<CardWindow, CardWindowDelete> about;  // while About is open
    std::unique_ptr<Shell, ShellDelete> shell;            // absent until start-up makes it
    Fonts fonts;
    KeptCanvas bar_canvas;  // the bar repaints several times a second while a file plays
    uint32_t dpi = 96;
    Palette palette = choose_palette(false, {});  // the system's when high contrast is on
    std::unique_ptr<Accessibility, AccessibilityDelete> accessibility;
};

// Windowed or fullscreen, and the bar and cursor that fullscreen hides.
struct WindowMode {
    bool fullscreen = false;
    bool bar_shown = false;
    bool cursor_hidden = false;
    bool menu_open = false;             // between WM_ENTERMENULOOP and WM_EXITMENULOOP
    WINDOWPLACEMENT saved_placement{};  // the windowed placement, while fullscreen
    POINT last_mouse{INT32_MIN, INT32_MIN};
};

// A save of the settings that could not be made yet, tried again from a timer of the main window.
struct SettingsRetry {
    bool pending = false;
    uint64_t since_ms = 0;  // the first try, on GetTickCount64's clock
    uint32_t delay_ms = 0;  // until the next try
};

// The seek bar's pictures of the file that plays. The worker and its core exist from the first time
// the pointer is over the seek bar of a local video, and go with the file.
struct SeekPreviewPictures {
    std::string file;         // what all of this is for; empty while no file is loaded
    bool looked_up = false;   // the video's size was read, or there is none to read
    int64_t video_width = 0;  // 0: the time alone
    int64_t video_height = 0;
    std::shared_ptr<PreviewWorker> worker;
    std::optional<PreviewWish> sent;  // the last wish the worker was given
    PreviewPicture picture;           // the newest it made
    // Where the pointer was when the file played to its end, which took the popup away; the next
    // move brings it back.
    std::optional<POINT> ended_at;
    bool moved_since_end = false;
};

struct App {
    AppWindows windows;
    WindowMode mode;
    BarInput bar;
    std::optional<Core> core;
    PlaybackState playback;
    SeekPreviewPictures preview;
    Settings settings;         // the persisted fields
    Settings settings_synced;  // as this copy last read or wrote them: what it changed is what differs
    SettingsRetry settings_retry;
    bool closing = false;

    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();
};

// Published by start-up once the window classes exist; null before.
extern App* g_app;
