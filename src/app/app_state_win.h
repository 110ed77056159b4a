// The one record of the running application. Start-up creates it once and publishes its address in
// g_app; every window procedure reads it from there. It is never freed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/bar_input.h"
#include "app/settings.h"
#include "base/gdi_win.h"
#include "base/win32_win.h"
#include "player/core.h"
#include "player/playback_state.h"
#include "player/wake_up_win.h"

// Private messages of the main window, in one list so that no two share a number. The first is the
// number the player's wake-up callback posts.
enum MainWindowMessage : UINT {
    kMsgMainCoreWakeUp = kMsgCoreWakeUp,
    kMsgCloseAbout,
};

// Timers of the main window.
constexpr UINT_PTR kTimerAutoHide = 1;
constexpr UINT kAutoHideMs = 2500;
constexpr UINT_PTR kTimerResumeSave = 2;
constexpr UINT kResumeSaveMs = 30000;

struct AboutWindow;  // the About window's own state, defined with the window
// Deletes it where its type is known, next to the window.
struct AboutWindowDelete {
    void operator()(AboutWindow* about) const;
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
    HWND help_window = nullptr;
    std::unique_ptr<AboutWindow, AboutWindowDelete> about;
    Fonts fonts;
    uint32_t dpi = 96;
};

// Windowed or fullscreen, and the bar and cursor that fullscreen hides.
struct WindowMode {
    bool fullscreen = false;
    bool bar_shown = false;
    bool cursor_hidden = false;
    WINDOWPLACEMENT saved_placement{};  // the windowed placement, while fullscreen
    POINT last_mouse{INT32_MIN, INT32_MIN};
};

struct App {
    AppWindows windows;
    WindowMode mode;
    BarInput bar;
    std::optional<Core> core;
    PlaybackState playback;
    Settings settings;  // the persisted fields
    bool closing = false;

    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;
};

// Published by start-up once the window classes exist; null before.
extern App* g_app;

// InvalidateRect on the bar without erasing, when the bar exists.
void invalidate_bar(const App& app);
