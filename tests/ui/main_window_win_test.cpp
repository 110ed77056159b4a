// The main window procedure driven with real messages on a real window.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell/single_instance_win.h"
#include "support/program_windows_win.h"
#include "ui/window_modes.h"

namespace {

std::string loadfile(const std::string& path) { return "command [loadfile] [" + path + "]"; }

// Start-up publishes the main window only once its children exist; until then, and while no App is
// published at all, every message gets default processing.
TEST(MainWindowProc, DefaultProcessingUntilMainWindowIsSet) {
    for (const bool published : {false, true}) {
        MainWindow w;
        const HWND window = w.window();
        w.app.windows.main_window = nullptr;
        g_app = published ? &w.app : nullptr;
        set_modifiers(true, true);
        for (const WPARAM key : {WPARAM{'F'}, WPARAM{VK_RETURN}, WPARAM{'I'}, WPARAM{'T'}, WPARAM{VK_LEFT}})
            SendMessageW(window, WM_KEYDOWN, key, 0);
        SendMessageW(window, WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
        SendMessageW(window, WM_CHAR, '+', 0);
        SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
        SendMessageW(window, WM_TIMER, kTimerAutoHide, 0);
        RECT suggested{0, 0, 900, 600};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        const HDROP drop = make_drop({L"C:\\v\\a.mkv"});
        SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        GlobalFree(drop);  // default processing does not finish the drop
        MINMAXINFO info{};
        info.ptMinTrackSize = {1, 2};
        SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_NE(info.ptMinTrackSize.x, 580);
        EXPECT_FALSE(w.app.mode.fullscreen);
        EXPECT_FALSE(w.app.settings.multi_instance);
        EXPECT_FALSE(w.app.settings.always_on_top);
        EXPECT_EQ(w.app.windows.dpi, 96u);
        EXPECT_TRUE(w.recorder.calls.empty());
        // WM_CLOSE gets the default too: the window goes without the close sequence.
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(w.app.closing);
        EXPECT_FALSE(IsWindow(window));
        pump_messages();
    }
}

TEST(MainWindowProc, ActivationTakesTheFocusUnlessHelpIsOpen) {
    MainWindow w(kShown);
    const HWND help =
        CreateWindowExW(0, L"EDIT", L"help", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    SetFocus(help);
    ASSERT_EQ(GetFocus(), help);
    stand_in_card(w.app, &AppWindows::help, help);
    EXPECT_EQ(w.send(WM_ACTIVATE, WA_ACTIVE, 0), 0);
    EXPECT_EQ(GetFocus(), help);
    stand_in_card(w.app, &AppWindows::help, nullptr);
    EXPECT_EQ(w.send(WM_ACTIVATE, WA_INACTIVE, 0), 0);
    EXPECT_EQ(GetFocus(), help);
    EXPECT_EQ(w.send(WM_ACTIVATE, WA_CLICKACTIVE, 0), 0);
    EXPECT_EQ(GetFocus(), w.window());
    DestroyWindow(help);
}

TEST(MainWindowProc, BackgroundIsErasedBlack) {
    MainWindow w;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const RECT client = w.client();
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, client.right, client.bottom};
    const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(dc, &all, white);
    EXPECT_EQ(w.send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, client.right - 1, client.bottom - 1), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST(MainWindowProc, MinimumTrackSizeFollowsTheDpi) {
    MainWindow w;
    const struct {
        uint32_t dpi;
        LONG x, y;
    } cases[] = {{96, 580, 300}, {120, 725, 375}, {144, 870, 450}, {192, 1160, 600}};
    for (const auto& c : cases) {
        w.app.windows.dpi = c.dpi;
        MINMAXINFO info{};
        info.ptMaxSize = {11, 12};
        info.ptMaxPosition = {13, 14};
        info.ptMaxTrackSize = {15, 16};
        info.ptReserved = {17, 18};
        EXPECT_EQ(w.send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
        EXPECT_EQ(info.ptMinTrackSize.x, c.x) << c.dpi;
        EXPECT_EQ(info.ptMinTrackSize.y, c.y) << c.dpi;
        // Nothing else is touched.
        EXPECT_EQ(info.ptMaxSize.x, 11);
        EXPECT_EQ(info.ptMaxPosition.y, 14);
        EXPECT_EQ(info.ptMaxTrackSize.x, 15);
        EXPECT_EQ(info.ptReserved.y, 18);
    }
    EXPECT_EQ(w.send(WM_GETMINMAXINFO, 0, 0), 0);  // no structure: nothing to fill, no crash

    // The window manager applies it: the window cannot be made smaller.
    w.app.windows.dpi = 96;
    SetWindowPos(w.window(), nullptr, 0, 0, 100, 50, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    RECT rect{};
    GetWindowRect(w.window(), &rect);
    EXPECT_GE(rect.right - rect.left, 580);
    EXPECT_GE(rect.bottom - rect.top, 300);
}

TEST(MainWindowProc, DpiChangeAppliesTheSuggestedRectangle) {
    MainWindow w;
    RECT suggested{60, 70, 60 + 1200, 70 + 737};
    EXPECT_EQ(w.send(WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested)), 0);
    EXPECT_EQ(w.app.windows.dpi, 120u);
    RECT rect{};
    GetWindowRect(w.window(), &rect);
    EXPECT_EQ(rect.left, suggested.left);
    EXPECT_EQ(rect.top, suggested.top);
    EXPECT_EQ(rect.right, suggested.right);
    EXPECT_EQ(rect.bottom, suggested.bottom);
    const RECT bar = w.child_rect(w.app.windows.bar_window);
    EXPECT_EQ(bar.bottom - bar.top, 55);
    EXPECT_EQ(bar.bottom, w.client().bottom);
    MINMAXINFO info{};
    w.send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 725);

    // A DPI of 0 keeps the old one; a rectangle without area, or none, leaves the window in place.
    const RECT before = rect;
    RECT degenerate[] = {{100, 100, 100, 500}, {100, 100, 500, 100}, {500, 500, 100, 100}, {0, 0, 0, 0}};
    for (RECT& r : degenerate) {
        EXPECT_EQ(w.send(WM_DPICHANGED, MAKEWPARAM(0, 0), reinterpret_cast<LPARAM>(&r)), 0);
        EXPECT_EQ(w.app.windows.dpi, 120u);
        GetWindowRect(w.window(), &rect);
        EXPECT_TRUE(EqualRect(&rect, &before));
    }
    EXPECT_EQ(w.send(WM_DPICHANGED, MAKEWPARAM(144, 144), 0), 0);
    EXPECT_EQ(w.app.windows.dpi, 144u);
    GetWindowRect(w.window(), &rect);
    EXPECT_TRUE(EqualRect(&rect, &before));
    EXPECT_EQ(w.child_rect(w.app.windows.bar_window).bottom - w.child_rect(w.app.windows.bar_window).top, 66);
}

TEST(MainWindowProc, SetCursorHidesOnlyOverTheClientArea) {
    MainWindow w;
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    w.app.mode.cursor_hidden = true;
    SetCursor(arrow);
    EXPECT_EQ(w.send(WM_SETCURSOR, reinterpret_cast<WPARAM>(w.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    EXPECT_EQ(GetCursor(), nullptr);
    w.app.mode.cursor_hidden = false;
    EXPECT_EQ(w.send(WM_SETCURSOR, reinterpret_cast<WPARAM>(w.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    EXPECT_EQ(GetCursor(), arrow);
    // Over the frame the system picks the cursor, hidden or not.
    w.app.mode.cursor_hidden = true;
    w.send(WM_SETCURSOR, reinterpret_cast<WPARAM>(w.window()), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), nullptr);
}

TEST(MainWindowProc, CaptureLossEndsTheDragWithoutASeek) {
    MainWindow w;
    w.app.playback.file_loaded = true;
    w.app.playback.duration = 100;
    for (const Drag drag : {Drag::seek, Drag::volume, Drag::none}) {
        w.app.bar.drag = drag;
        w.recorder.calls.clear();
        EXPECT_EQ(w.send(WM_CAPTURECHANGED, 0, 0), 0);
        EXPECT_EQ(w.app.bar.drag, Drag::none);
        EXPECT_EQ(w.count_calls_starting("async 0 [seek]"), 0u);
    }
}

TEST(MainWindowProc, MouseLeaveClearsTrackingAndHover) {
    MainWindow w;
    const BarHit hovers[] = {button_hit(0),    button_hit(3),  button_hit(9),
                             BarHit::seek_bar, BarHit::volume, BarHit::none};
    for (const BarHit hover : hovers) {
        w.app.bar.mouse_tracked = true;
        w.app.bar.hover_button = hover;
        EXPECT_EQ(w.send(WM_MOUSELEAVE), 0);
        EXPECT_FALSE(w.app.bar.mouse_tracked);
        EXPECT_EQ(w.app.bar.hover_button, BarHit::none);
    }
}

TEST(MainWindowProc, AltEnterTogglesFullscreenAndItsCarriageReturnIsSwallowed) {
    MainWindow w;
    EXPECT_EQ(w.send(WM_SYSKEYDOWN, VK_RETURN, 1 << 29), 0);
    EXPECT_TRUE(w.app.mode.fullscreen);
    EXPECT_EQ(w.send(WM_SYSCHAR, '\r', 1 << 29), 0);
    EXPECT_TRUE(w.app.mode.fullscreen);
    EXPECT_EQ(w.send(WM_SYSKEYDOWN, VK_RETURN, 1 << 29), 0);
    EXPECT_FALSE(w.app.mode.fullscreen);
    EXPECT_FALSE(w.app.closing);
}

TEST(MainWindowProc, AltF4ClosesThroughWmClose) {
    MainWindow w;
    w.send(WM_SYSKEYDOWN, VK_F4, 1 << 29);
    pump_messages();
    EXPECT_TRUE(w.app.closing);
    EXPECT_FALSE(IsWindow(w.app.windows.main_window));
}

TEST(MainWindowProc, ResumeTimerSavesOnlyWhilePlaying) {
    MainWindow w;
    const struct {
        bool loaded, paused;
        size_t saves;
    } cases[] = {{false, false, 0}, {true, true, 0}, {false, true, 0}, {true, false, 1}};
    for (const auto& c : cases) {
        w.app.playback.file_loaded = c.loaded;
        w.app.playback.paused = c.paused;
        w.recorder.calls.clear();
        EXPECT_EQ(w.send(WM_TIMER, kTimerResumeSave), 0);
        const size_t saves =
            w.count_calls("command [write-watch-later-config]") + w.count_calls("command [delete-watch-later-config]");
        EXPECT_EQ(saves, c.saves) << c.loaded << c.paused;
    }
}

// --- the close sequence ---

struct CloseProbe {
    HWND window = nullptr;
    const RecordingCore* recorder = nullptr;
    bool resume_saved_before = false;
    bool settings_written_before = false;
    int terminations = 0;
    bool visible_at_termination = true;
    bool core_present_at_termination = true;
    LRESULT second_close = -1;
    LRESULT hand_off = -1;
    bool window_alive_after_second_close = false;
};
CloseProbe* g_probe = nullptr;

void terminate_and_poke(mpv_handle*) {
    CloseProbe& probe = *g_probe;
    ++probe.terminations;
    probe.visible_at_termination = IsWindowVisible(probe.window) != FALSE;
    probe.core_present_at_termination = g_app->core.has_value();
    for (const auto& call : probe.recorder->calls)
        probe.resume_saved_before = probe.resume_saved_before || call == "command [write-watch-later-config]";
    probe.settings_written_before = read_settings_file().has_value();
    // A second WM_CLOSE and a hand-off arriving while the first close runs.
    probe.second_close = SendMessageW(probe.window, WM_CLOSE, 0, 0);
    probe.window_alive_after_second_close = IsWindow(probe.window) != FALSE;
    static wchar_t path[] = L"C:\\v\\other.mkv";
    COPYDATASTRUCT data{kHandOffTag, sizeof path, path};
    probe.hand_off = SendMessageW(probe.window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

TEST(CloseSequence, RunsOnceInOrderAndRefusesWhatArrivesMeanwhile) {
    MainWindow w;
    CloseProbe probe;
    probe.window = w.window();
    probe.recorder = &w.recorder;
    g_probe = &probe;
    w.app.core->api.mpv_terminate_destroy = terminate_and_poke;
    w.app.playback.file_loaded = true;
    w.app.playback.position = 10;
    w.app.playback.duration = 100;
    w.app.playback.current_volume = 37;
    w.app.playback.muted = true;
    const HWND help =
        CreateWindowExW(0, L"STATIC", L"help", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    stand_in_card(w.app, &AppWindows::help, help);
    const HWND about =
        CreateWindowExW(0, L"STATIC", L"about", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    stand_in_card(w.app, &AppWindows::about, about);

    EXPECT_EQ(w.send(WM_CLOSE), 0);
    g_probe = nullptr;

    EXPECT_TRUE(w.app.closing);
    EXPECT_EQ(probe.terminations, 1);
    EXPECT_FALSE(probe.visible_at_termination);  // hidden before the core goes
    EXPECT_FALSE(probe.core_present_at_termination);
    EXPECT_EQ(probe.second_close, 0);
    EXPECT_TRUE(probe.window_alive_after_second_close);
    EXPECT_EQ(probe.hand_off, 0);
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);
    EXPECT_FALSE(w.app.core.has_value());
    EXPECT_FALSE(IsWindow(w.app.windows.main_window));
    EXPECT_FALSE(IsWindow(help));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(w.app.windows.help, nullptr);
    EXPECT_EQ(w.app.windows.about, nullptr);
    EXPECT_TRUE(quit_posted());
    EXPECT_DOUBLE_EQ(w.app.settings.volume, 37);
    EXPECT_TRUE(w.app.settings.mute);
    EXPECT_TRUE(w.app.settings.window_valid);

    // The resume point and the settings file are saved before the core is destroyed.
    EXPECT_TRUE(probe.resume_saved_before);
    EXPECT_TRUE(probe.settings_written_before);
}

TEST(CloseSequence, WithoutCoreStillSavesAndDestroys) {
    MainWindow w(kNoCore);
    w.app.playback.current_volume = 55;
    EXPECT_EQ(w.send(WM_CLOSE), 0);
    EXPECT_TRUE(w.app.closing);
    EXPECT_FALSE(IsWindow(w.app.windows.main_window));
    EXPECT_DOUBLE_EQ(w.app.settings.volume, 55);
    EXPECT_TRUE(w.recorder.calls.empty());
    EXPECT_TRUE(quit_posted());
}

TEST(CloseSequence, SettingsFileIsWrittenAtClose) {
    MainWindow w;
    w.app.playback.current_volume = 42;
    w.send(WM_CLOSE);
    const auto text = read_settings_file();
    ASSERT_TRUE(text.has_value());
    const Settings saved = parse_settings(*text);
    EXPECT_DOUBLE_EQ(saved.volume, 42) << *text;
    EXPECT_TRUE(saved.window_valid) << *text;
    EXPECT_EQ(saved.window_rect, w.app.settings.window_rect) << *text;
}

TEST(MainWindowHandOff, RefusedWhileClosing) {
    MainWindow w;
    w.app.closing = true;
    wchar_t path[] = L"C:\\v\\x.mkv";
    COPYDATASTRUCT data{kHandOffTag, sizeof path, path};
    EXPECT_EQ(w.send(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 0);
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);
}

TEST(EndSession, SavesWithoutDestroying) {
    MainWindow w;
    w.app.playback.current_volume = 61;
    EXPECT_EQ(w.send(WM_ENDSESSION, FALSE, 0), 0);
    EXPECT_FALSE(w.app.settings.window_valid);
    EXPECT_DOUBLE_EQ(w.app.settings.volume, 80);
    EXPECT_EQ(w.send(WM_ENDSESSION, TRUE, 0), 0);
    EXPECT_TRUE(w.app.settings.window_valid);
    EXPECT_DOUBLE_EQ(w.app.settings.volume, 61);
    EXPECT_TRUE(IsWindow(w.window()));
    EXPECT_TRUE(w.app.core.has_value());
    EXPECT_FALSE(w.app.closing);
    EXPECT_EQ(w.count_calls("terminate"), 0u);
}

// Another process can post the message too: it closes only a card that asked, About or Help.
TEST(CloseCard, OnlyACardThatAskedForIt) {
    MainWindow w;
    EXPECT_EQ(w.send(kMsgCloseCard), 0);  // nothing open
    for (const CardPlace place : kCardPlaces) {
        const HWND card =
            CreateWindowExW(0, L"STATIC", L"card", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        stand_in_card(w.app, place, card);
        EXPECT_EQ(w.send(kMsgCloseCard), 0);
        EXPECT_TRUE(IsWindow(card));
        (w.app.windows.*place)->to_close = true;
        EXPECT_EQ(w.send(kMsgCloseCard), 0);
        EXPECT_FALSE(IsWindow(card));
        EXPECT_EQ(w.app.windows.*place, nullptr);
    }
}

// --- dropped files ---

TEST(DropFiles, FirstFileDecidesByItsExtension) {
    MainWindow w;
    const struct {
        std::vector<std::wstring> files;
        const char* opened;  // the video opened, or null when nothing is
        bool subtitle;       // the first file is added as a subtitle
    } cases[] = {
        {{L"C:\\v\\one.mkv", L"C:\\v\\two.mkv", L"C:\\v\\three.mkv"}, "C:\\v\\one.mkv", false},
        {{L"C:\\v\\subs.SRT"}, nullptr, true},
        {{L"C:\\v\\notes.txt", L"C:\\v\\film.mkv"}, nullptr, true},
        {{L"C:\\v\\noextension"}, "C:\\v\\noextension", false},
        {{L"C:\\v\\.srt"}, "C:\\v\\.srt", false},
        {{L"C:\\my.folder\\video"}, "C:\\my.folder\\video", false},
        {{L"C:\\v\\\x00E9t\x00E9 \xD83C\xDFAC.mp4"}, "C:\\v\\été 🎬.mp4", false},
        {{L"C:\\v\\bad\xD800.mkv"}, "C:\\v\\bad\xEF\xBF\xBD.mkv", false},
        {{}, nullptr, false},
    };
    for (const auto& c : cases) {
        w.recorder.calls.clear();
        w.app.playback.file_loaded = true;  // opening a video clears it
        const HDROP drop = make_drop(c.files);
        EXPECT_EQ(w.send(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
        EXPECT_EQ(GlobalSize(drop), 0u) << "the drop is finished at once";
        const std::string first = c.files.empty() ? "" : narrow(c.files[0]);
        EXPECT_EQ(w.count_calls_starting("command [loadfile]"), c.opened ? 1u : 0u) << first;
        if (c.opened) {
            EXPECT_EQ(w.count_calls(loadfile(c.opened)), 1u) << first;
        }
        EXPECT_EQ(w.count_calls_starting("command [sub-add]"), c.subtitle ? 1u : 0u) << first;
        if (c.subtitle) {
            EXPECT_EQ(w.count_calls("command [sub-add] [" + first + "] [select]"), 1u) << first;
        }
    }
}

TEST(DropFiles, SubtitleWithoutAVideoDoesNothing) {
    MainWindow w;
    const HDROP drop = make_drop({L"C:\\v\\subs.srt"});
    EXPECT_EQ(w.send(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
    EXPECT_TRUE(w.recorder.calls.empty());
}

TEST(DropFiles, LongNamesAndBadHandles) {
    MainWindow w;
    // 32767 units fit the buffer with its NUL and are opened whole, in the form that Windows opens
    // past MAX_PATH.
    const std::wstring longest = L"C:\\" + std::wstring(32767 - 3 - 4, L'n') + L".mkv";
    ASSERT_EQ(longest.size(), 32767u);
    HDROP drop = make_drop({longest});
    EXPECT_EQ(w.send(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
    EXPECT_EQ(w.count_calls(loadfile("\\\\?\\" + narrow(longest))), 1u);

    // One unit more would come back cut short, naming another file: ignored.
    w.recorder.calls.clear();
    drop = make_drop({longest + L"x"});
    EXPECT_EQ(w.send(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);
    EXPECT_EQ(GlobalSize(drop), 0u);

    EXPECT_EQ(w.send(WM_DROPFILES, 0, 0), 0);
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);
}

}  // namespace
