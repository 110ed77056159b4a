// The one record of the running application. Start-up creates it once and publishes its address in
// g_app; every window procedure reads it from there. It is never freed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/colour_scheme.h"
#include "app/settings.h"
#include "base/win32_win.h"
#include "player/core.h"
#include "player/playback_state.h"

// Private messages to the main window (the player's wake-up has WM_APP + 1).
constexpr UINT kMsgCloseAbout = WM_APP + 2;

// Timers of the main window.
constexpr UINT_PTR kTimerAutoHide = 1;
constexpr UINT kAutoHideMs = 2500;
constexpr UINT_PTR kTimerResumeSave = 2;
constexpr UINT kResumeSaveMs = 30000;

// Hit codes of the control bar, kept in hover_button.
constexpr uint8_t kHitNone = 10;
constexpr uint8_t kHitSeekBar = 12;
constexpr uint8_t kHitVolume = 13;
constexpr uint8_t kPressedNone = 255;

enum class Drag : uint8_t { none = 0, seek = 1, volume = 2 };

struct AboutWindow;  // the About window's own state, defined with the window
// Deletes it where its type is known, next to the window.
struct AboutWindowDelete {
    void operator()(AboutWindow* about) const;
};
struct Accessibility;  // the screen readers' view of the windows, made when one first asks
struct AccessibilityDelete {
    void operator()(Accessibility* accessibility) const;
};
struct Shell;  // the taskbar button and the media overlay, defined in shell_win.h
struct ShellDelete {
    void operator()(Shell* shell) const;
};
struct CardStyle;  // a card window's own DPI and fonts, defined with the cards
struct CardStyleDelete {
    void operator()(CardStyle* style) const;
};

struct Fonts {
    HFONT icon = nullptr;
    HFONT text = nullptr;
    HFONT title = nullptr;
    HFONT body = nullptr;
    HFONT large_icon = nullptr;
};

struct App {
    Settings settings;         // the persisted fields
    Settings settings_synced;  // as this copy last read or wrote them: what it changed is what differs

    HWND main_window = nullptr;
    HWND video_window = nullptr;
    HWND bar_window = nullptr;
    HWND tooltip_window = nullptr;
    HWND help_window = nullptr;
    std::unique_ptr<CardStyle, CardStyleDelete> help_style;  // while Help is open
    std::unique_ptr<AboutWindow, AboutWindowDelete> about;
    std::unique_ptr<Shell, ShellDelete> shell;  // absent until start-up makes it
    Fonts fonts;
    uint32_t dpi = 96;
    Palette palette = choose_palette(false, {});  // the system's when high contrast is on
    std::unique_ptr<Accessibility, AccessibilityDelete> accessibility;
    // Set with accessibility's bar tree: invalidate_bar calls it so that the tree follows the bar
    // even while the bar is hidden and does not paint.
    void (*bar_changed)(const App& app) = nullptr;

    std::optional<Core> core;
    PlaybackState playback;

    bool closing = false;
    bool fullscreen = false;
    bool bar_shown = false;
    bool cursor_hidden = false;
    bool mouse_tracked = false;
    bool menu_open = false;  // between WM_ENTERMENULOOP and WM_EXITMENULOOP
    WINDOWPLACEMENT saved_placement{};
    POINT last_mouse{INT32_MIN, INT32_MIN};
    Drag drag = Drag::none;
    uint8_t pressed = kPressedNone;
    bool last_press_on_video = false;  // how the first click of a double click was routed
    uint8_t hover_button = kHitNone;
    double seek_fraction = 0;

    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();
};

// Published by start-up once the window classes exist; null before.
extern App* g_app;

// InvalidateRect on the bar without erasing, when the bar exists.
void invalidate_bar(const App& app);
