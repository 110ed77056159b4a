// The program's windows for the Windows tests, made by start-up's own register_classes and
// create_windows (and the bar's create_tooltips): the main window with its video and bar children,
// the App published in g_app, a recording player core and settings in a temporary APPDATA.
// Two lifetimes over the same set-up: MainWindow builds them for one test around its own App and
// keeps them hidden unless asked; ProgramWindows shows them once and shares them with every test
// derived from it, because under Wine without a window manager every shown top-level window costs
// two seconds to hide or destroy.
#pragma once

#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/playback/playback_win.h"
#include "app/settings/language.h"
#include "app/settings/settings_win.h"
#include "base/wide_win.h"
#include "support/recording_core.h"
#include "support/temp_appdata_win.h"
#include "ui/bar/bar_mouse_win.h"
#include "ui/bar/bar_paint_win.h"
#include "ui/bar/tooltips_win.h"
#include "ui/cards/about_window_win.h"
#include "ui/cards/card_window_win.h"
#include "ui/cards/help_window_win.h"
#include "ui/fonts_win.h"
#include "ui/input/commands_win.h"
#include "ui/main_window_win.h"
#include "ui/window_modes_win.h"

// Start-up's five window classes, registered once for the process.
void register_program_classes();

// Dispatches whatever is queued for this thread, with TranslateMessage as the real loop does, a few
// rounds apart so that what the handlers post is delivered too. WM_QUIT is dropped.
void pump_messages();
// Takes a WM_QUIT posted to this thread, if there is one.
bool quit_posted();
// The keyboard state the key handlers read for Ctrl and Shift.
void set_modifiers(bool ctrl, bool shift);
std::wstring class_name_of(HWND window);
// The settings file the program writes, or nothing when it is not there.
std::optional<std::string> read_settings_file();
// A drop list as the shell hands it over: DROPFILES followed by wide names, each NUL-terminated,
// and an empty name at the end. The receiver frees it (DragFinish).
HDROP make_drop(const std::vector<std::wstring>& files);

// A window of another class standing in for an open Help or About card; null: no card.
void stand_in_card(App& app, CardPlace place, HWND window);

// A top-down 32-bit picture of what a window paints through WM_PRINTCLIENT.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> bgra;
    COLORREF at(int x, int y) const {
        const uint32_t p = bgra[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};
Picture print_client(HWND window);

// Options of MainWindow.
enum : unsigned { kNoCore = 1, kShown = 2, kTooltips = 4 };

// The program's windows around an App of one test.
class MainWindow {
public:
    explicit MainWindow(unsigned options = 0);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    const TempAppData appdata;  // before the App: the windows may save settings until they are gone
    App app;
    RecordingCore recorder;

    HWND window() const { return app.windows.main_window; }
    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
        return SendMessageW(app.windows.main_window, message, wparam, lparam);
    }
    // The bar's own WS_VISIBLE, which the layout sets and clears whether or not the main window shows.
    bool bar_visible() const;
    RECT tool_rect(UINT_PTR id) const;
    // A child's rectangle in the main window's client coordinates.
    RECT child_rect(HWND child) const;
    RECT client() const;
    size_t count_calls(const std::string& text) const;
    size_t count_calls_starting(const std::string& prefix) const;
};

// The same windows shown at a known client size and shared by the whole run; each test starts from
// a reset App state with the focus in the main window. Only a test that closes the program makes
// the next one build the windows again.
class ProgramWindows : public testing::Test {
protected:
    static constexpr int kClientWidth = 944;
    static constexpr int kClientHeight = 560;

    App& app;
    RecordingCore recorder;
    // Runs inside the main window's WM_SETFOCUS, when set; the count is of those messages.
    std::function<void()> on_set_focus;
    int set_focus_count = 0;

    ProgramWindows();
    void SetUp() override;
    void TearDown() override;

    void reset_state();
    // Client size, centred on the screen, so that the cards centred over it fit the work area.
    void set_client_size(int width, int height);
    RECT client() const;
    int bar_top() const { return client().bottom - bar_height(app); }
    BarLayout layout() const { return compute_bar_layout(app.windows.dpi, client().right, bar_height(app)); }
    void load_file(double duration);
    // Real mouse messages through the main window procedure.
    LRESULT send(UINT message, int x, int y, WPARAM keys = 0) {
        return SendMessageW(app.windows.main_window, message, keys, MAKELPARAM(x, y));
    }

    // Delivers what is queued, then forgets every pending repaint of the bar and every call so far.
    void settle();
    bool bar_invalidated() const;
    std::string title() const;

private:
    std::optional<TempAppData> appdata_;
    HHOOK focus_hook_ = nullptr;
    static LRESULT CALLBACK on_call(int code, WPARAM wparam, LPARAM lparam);
};

// ProgramWindows with the recording core in place from the start, for the playback actions.
class PlaybackWindows : public ProgramWindows {
protected:
    void SetUp() override;
};
