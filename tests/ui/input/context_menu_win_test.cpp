// The right-click menu read back from the HMENU it builds, its commands dispatched by id, the track
// menus, and the open-file dialog's request.
#include "base/win32_win.h"

#include <gtest/gtest.h>

#include "app/file_types.h"
#include "app/playback/tracks_win.h"
#include "app/settings/language.h"
#include "support/file_dialog_watcher_win.h"
#include "support/program_windows_win.h"
#include "support/temp_appdata_win.h"
#include "ui/bar/bar_layout.h"
#include "ui/input/commands_win.h"
#include "ui/input/context_menu.h"
#include "ui/input/context_menu_win.h"
#include "ui/input/open_dialog_win.h"
#include "ui/window_modes.h"

namespace {

struct ReadItem {
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::string text;
};

std::vector<ReadItem> read_menu(HMENU menu) {
    std::vector<ReadItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 511;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        items.push_back({info.fType, info.fState, info.wID, info.hSubMenu, narrow(text)});
    }
    return items;
}

// The HMENU must hold exactly the entries the menu model gives, with submenus where it says.
void expect_menu_matches(HMENU menu, const std::vector<MenuEntry>& entries, const std::string& where) {
    const auto items = read_menu(menu);
    ASSERT_EQ(items.size(), entries.size()) << where;
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuEntry& e = entries[i];
        const ReadItem& item = items[i];
        const std::string at = where + " #" + std::to_string(i) + " " + e.label;
        if (e.kind == MenuEntry::Kind::separator) {
            EXPECT_NE(item.type & MFT_SEPARATOR, 0u) << at;
            continue;
        }
        EXPECT_EQ(item.type & MFT_SEPARATOR, 0u) << at;
        EXPECT_EQ(item.text, e.label) << at;
        EXPECT_EQ((item.state & MFS_CHECKED) != 0, e.checked) << at;
        EXPECT_EQ((item.state & MFS_GRAYED) != 0, e.grayed) << at;
        const bool popup = e.kind != MenuEntry::Kind::item;
        EXPECT_EQ(item.submenu != nullptr, popup) << at;
        if (!popup) {
            EXPECT_EQ(item.id, e.id) << at;
        }
    }
}

class ContextMenuWin : public ::testing::Test {
protected:
    void TearDown() override { set_active_language(Language::english); }
};

TEST_F(ContextMenuWin, BuiltMenuReadsBackInBothLanguagesAndStates) {
    MainWindow w;
    const MenuState states[] = {
        {false, false, false, false, false}, {true, true, true, true, true}, {true, false, true, false, true}};
    for (const Language language : {Language::english, Language::french}) {
        for (const MenuState& s : states) {
            set_active_language(language);
            w.app.playback.file_loaded = s.file_loaded;
            w.app.mode.fullscreen = s.fullscreen;
            w.app.settings.multi_instance = s.multi_instance;
            w.app.settings.always_on_top = s.always_on_top;
            w.app.settings.wheel_invert = s.wheel_invert;
            OwnedMenu menu = build_context_menu(w.app);
            const std::string where =
                std::string(language == Language::english ? "en" : "fr") + (s.file_loaded ? " loaded" : " idle");
            expect_menu_matches(menu.get(), context_menu_entries(s), where);
            const auto items = read_menu(menu.get());
            ASSERT_EQ(items.size(), 16u);
            // Submenus: audio (4), subtitles (5), language (11).
            const std::vector<Track> none;
            const auto audio = s.file_loaded ? list_tracks(w.app, TrackKind::audio) : none;
            const auto subs = s.file_loaded ? list_tracks(w.app, TrackKind::subtitle) : none;
            expect_menu_matches(items[4].submenu, track_menu_entries(TrackKind::audio, true, s.file_loaded, audio),
                                where + " audio");
            expect_menu_matches(items[5].submenu, track_menu_entries(TrackKind::subtitle, true, s.file_loaded, subs),
                                where + " sub");
            expect_menu_matches(items[11].submenu, language_menu_entries(), where + " language");
        }
    }
    w.app.mode.fullscreen = false;
}

TEST_F(ContextMenuWin, IdleMenuInEnglishAsTheUserSeesIt) {
    MainWindow w;
    OwnedMenu menu = build_context_menu(w.app);
    const auto items = read_menu(menu.get());
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[0].text, "Open…\tCtrl+O");
    EXPECT_EQ(items[0].state & MFS_GRAYED, 0u);
    EXPECT_EQ(items[1].text, "Play / Pause\tSpace");
    EXPECT_NE(items[1].state & MFS_GRAYED, 0u);
    EXPECT_NE(items[4].state & MFS_GRAYED, 0u);
    EXPECT_NE(items[5].state & MFS_GRAYED, 0u);
    EXPECT_NE(items[9].state & MFS_CHECKED, 0u) << "the wheel is inverted by default";
    EXPECT_EQ(items[14].text, "About Tarnwick Light…");
    const auto subs = read_menu(items[5].submenu);
    ASSERT_EQ(subs.size(), 3u);
    EXPECT_EQ(subs[0].text, "Off");
    EXPECT_NE(subs[0].state & MFS_CHECKED, 0u);
    EXPECT_NE(subs[0].state & MFS_GRAYED, 0u);
    EXPECT_NE(subs[2].state & MFS_GRAYED, 0u);
    const auto audio = read_menu(items[4].submenu);
    ASSERT_EQ(audio.size(), 1u);
    EXPECT_EQ(audio[0].text, "No audio track");
    EXPECT_EQ(audio[0].id, 0u);
}

TEST_F(ContextMenuWin, WithoutCoreTheTrackSubmenusAreEmpty) {
    MainWindow w(kNoCore);
    w.app.playback.file_loaded = true;
    OwnedMenu menu = build_context_menu(w.app);
    const auto items = read_menu(menu.get());
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(GetMenuItemCount(items[4].submenu), 0);
    EXPECT_EQ(GetMenuItemCount(items[5].submenu), 0);
}

TEST_F(ContextMenuWin, OwnedMenuDestroysItsSubmenus) {
    MainWindow w;
    HMENU main_menu = nullptr;
    HMENU submenu = nullptr;
    {
        OwnedMenu menu = build_context_menu(w.app);
        main_menu = menu.get();
        submenu = GetSubMenu(main_menu, 4);
        ASSERT_TRUE(IsMenu(submenu));
        OwnedMenu moved = std::move(menu);
        EXPECT_EQ(menu.get(), nullptr);
        EXPECT_TRUE(IsMenu(main_menu));
    }
    EXPECT_FALSE(IsMenu(main_menu));
    EXPECT_FALSE(IsMenu(submenu));
}

TEST_F(ContextMenuWin, CommandsByIdentifier) {
    MainWindow w;
    run_command(w.app, menu_command(kMenuFullscreen));
    EXPECT_TRUE(w.app.mode.fullscreen);
    run_command(w.app, menu_command(kMenuFullscreen));
    EXPECT_FALSE(w.app.mode.fullscreen);

    run_command(w.app, menu_command(kMenuMultiInstance));
    EXPECT_TRUE(w.app.settings.multi_instance);
    w.recorder.calls.clear();

    const bool invert = w.app.settings.wheel_invert;
    run_command(w.app, menu_command(kMenuWheelInvert));
    EXPECT_NE(w.app.settings.wheel_invert, invert);
    EXPECT_TRUE(w.recorder.calls.empty()) << "no message for the wheel";

    run_command(w.app, menu_command(kMenuAlwaysOnTop));
    EXPECT_TRUE(w.app.settings.always_on_top);
    EXPECT_NE(GetWindowLongPtrW(w.window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    run_command(w.app, menu_command(kMenuFrench));
    EXPECT_FALSE(english_active());
    run_command(w.app, menu_command(kMenuEnglish));
    EXPECT_TRUE(english_active());
    run_command(w.app, menu_command(kMenuEnglish));  // re-applied, still English
    EXPECT_TRUE(english_active());

    // Dismissed, the unused 8 and unknown identifiers change nothing.
    const Settings before = w.app.settings;
    w.recorder.calls.clear();
    for (const UINT id : {0u, 8u, 11u, 1000u, 3000u, 3003u, 0xFFFFFFFFu}) run_command(w.app, menu_command(id));
    EXPECT_EQ(w.app.settings.multi_instance, before.multi_instance);
    EXPECT_EQ(w.app.settings.always_on_top, before.always_on_top);
    EXPECT_EQ(w.app.settings.wheel_invert, before.wheel_invert);
    EXPECT_FALSE(w.app.mode.fullscreen);
    EXPECT_TRUE(w.recorder.calls.empty());
    EXPECT_FALSE(w.app.closing);

    // Quit is posted, so that the menu's own loop ends before the window goes.
    run_command(w.app, menu_command(kMenuQuit));
    EXPECT_FALSE(w.app.closing);
    pump_messages();
    EXPECT_TRUE(w.app.closing);
}

// Both dialogs open in the folder of the video that plays, wherever the dialog was last time.
TEST_F(ContextMenuWin, OpenItemsRunTheirDialogsInTheVideosFolder) {
    MainWindow w;
    w.app.playback.file_loaded = true;
    const TempFolder videos("dialog", " \xC3\xA9t\xC3\xA9");
    w.app.playback.current_file = videos.path() + "\\episode 1.mkv";
    {
        FileDialogWatcher watcher;
        run_command(w.app, menu_command(kMenuOpen));
        EXPECT_EQ(watcher.opened, 1);
        ASSERT_EQ(watcher.file_types.size(), 2u);
        EXPECT_EQ(watcher.file_types[0].rfind("Videos", 0), 0u);
        EXPECT_EQ(watcher.folder, videos.path());
    }
    {
        FileDialogWatcher watcher;
        set_active_language(Language::french);
        run_command(w.app, menu_command(kMenuLoadSubtitles));
        EXPECT_EQ(watcher.opened, 1);
        ASSERT_EQ(watcher.file_types.size(), 2u);
        EXPECT_EQ(watcher.file_types[0].rfind("Sous-titres", 0), 0u);
        EXPECT_EQ(watcher.file_types[1].rfind("Tous les fichiers", 0), 0u);
        EXPECT_EQ(watcher.folder, videos.path());
    }
    EXPECT_EQ(w.count_calls_starting("command [loadfile]"), 0u);
    EXPECT_EQ(w.count_calls_starting("command [sub-add]"), 0u);
}

TEST_F(ContextMenuWin, TrackMenuAnchorsAtTheButtonOnTheBarTop) {
    MainWindow w;
    for (const uint32_t dpi : {96u, 144u}) {
        w.app.windows.dpi = dpi;
        const RECT client = w.client();
        const int32_t bar = bar_height_for(dpi);
        const BarLayout layout = compute_bar_layout(dpi, client.right, bar);
        const struct {
            TrackKind kind;
            uint8_t button;
        } cases[] = {{TrackKind::audio, kButtonAudio}, {TrackKind::subtitle, kButtonSubtitles}};
        for (const auto& c : cases) {
            POINT expected{layout.button(c.button).rect.left, client.bottom - bar};
            ClientToScreen(w.window(), &expected);
            const POINT anchor = track_menu_anchor(w.app, c.kind);
            EXPECT_EQ(anchor.x, expected.x) << (c.kind == TrackKind::audio ? "audio " : "sub ") << dpi;
            EXPECT_EQ(anchor.y, expected.y) << (c.kind == TrackKind::audio ? "audio " : "sub ") << dpi;
        }
    }
}

// TrackPopupMenu runs its own loop; a thread timer ends it the way Esc would.
struct MenuCloser {
    static inline int menus_seen = 0;
    static inline RECT menu_rect{};
    static inline HMENU menu = nullptr;
    static inline bool app_saw_menu = false;  // the App knew a menu was open
    static BOOL CALLBACK find_menu(HWND window, LPARAM) {
        wchar_t name[16]{};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
            ++menus_seen;
            GetWindowRect(window, &menu_rect);
            menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        }
        return TRUE;
    }
    static void reset() {
        menus_seen = 0;
        menu = nullptr;
        app_saw_menu = false;
    }
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR id, DWORD) {
        app_saw_menu = g_app && g_app->mode.menu_open;
        EnumThreadWindows(GetCurrentThreadId(), find_menu, 0);
        KillTimer(nullptr, id);
        EndMenu();
    }
};

TEST_F(ContextMenuWin, ContextMenuOpensAtThePointerAndDismissingDoesNothing) {
    MainWindow w(kShown);
    SetForegroundWindow(w.window());
    RECT window{};
    GetWindowRect(w.window(), &window);
    const POINT pointer{window.left + 200, window.top + 150};
    SetCursorPos(pointer.x, pointer.y);
    MenuCloser::reset();
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, MenuCloser::on_timer);
    ASSERT_NE(timer, 0u);
    // As Shift+F10 sends it: a position of -1, -1, yet the menu opens at the pointer.
    const Settings before = w.app.settings;
    EXPECT_EQ(w.send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.window()), MAKELPARAM(-1, -1)), 0);
    EXPECT_EQ(MenuCloser::menus_seen, 1);
    EXPECT_EQ(MenuCloser::menu_rect.left, pointer.x);
    EXPECT_EQ(MenuCloser::menu_rect.top, pointer.y);
    EXPECT_EQ(w.app.settings.multi_instance, before.multi_instance);
    EXPECT_FALSE(w.app.closing);
    EXPECT_TRUE(w.recorder.calls.empty());
}

// Windows' own window menu for the title bar and the frame; the player's menu for the client area and
// for the keyboard (-1, -1).
TEST_F(ContextMenuWin, TitleBarGetsTheWindowMenuAndTheClientAreaThePlayers) {
    MainWindow w(kShown);
    SetForegroundWindow(w.window());
    RECT window{};
    GetWindowRect(w.window(), &window);
    POINT client_point{100, 100};
    ClientToScreen(w.window(), &client_point);
    const POINT caption{(window.left + window.right) / 2, window.top + GetSystemMetrics(SM_CYFRAME) + 4};
    ASSERT_EQ(w.send(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    const HMENU system_menu = GetSystemMenu(w.window(), FALSE);
    struct Case {
        const char* name;
        POINT point;
        bool window_menu;
    } cases[] = {
        {"title bar", caption, true},
        {"client area", client_point, false},
        {"keyboard", {-1, -1}, false},
    };
    for (const Case& c : cases) {
        SetCursorPos(client_point.x, client_point.y);
        MenuCloser::reset();
        ASSERT_NE(SetTimer(nullptr, 0, 200, MenuCloser::on_timer), 0u);
        w.send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.window()), MAKELPARAM(c.point.x, c.point.y));
        EXPECT_EQ(MenuCloser::menus_seen, 1) << c.name;
        EXPECT_EQ(MenuCloser::menu == system_menu, c.window_menu) << c.name;
        EXPECT_TRUE(MenuCloser::app_saw_menu) << c.name;
        EXPECT_FALSE(w.app.mode.menu_open) << c.name;
    }
    EXPECT_FALSE(w.app.closing);
}

// An open menu keeps the bar and the pointer in fullscreen as the Help window does; when it closes the
// count starts again.
TEST_F(ContextMenuWin, OpenMenuKeepsTheFullscreenBar) {
    MainWindow w(kShown);
    SetForegroundWindow(w.window());
    set_fullscreen(w.app, true);
    w.app.mode.bar_shown = true;
    layout_children(w.app);
    w.send(WM_ENTERMENULOOP, TRUE);
    EXPECT_EQ(w.send(WM_TIMER, kTimerAutoHide), 0);
    EXPECT_TRUE(w.app.mode.bar_shown);
    EXPECT_FALSE(w.app.mode.cursor_hidden);
    KillTimer(w.window(), kTimerAutoHide);
    w.send(WM_EXITMENULOOP, TRUE);
    EXPECT_TRUE(KillTimer(w.window(), kTimerAutoHide)) << "the count starts again";
    EXPECT_EQ(w.send(WM_TIMER, kTimerAutoHide), 0);
    EXPECT_FALSE(w.app.mode.bar_shown);
    set_fullscreen(w.app, false);
}

TEST_F(ContextMenuWin, TrackMenuOpensUpwardsFromTheBar) {
    MainWindow w(kShown);
    SetForegroundWindow(w.window());
    const POINT anchor = track_menu_anchor(w.app, TrackKind::subtitle);
    MenuCloser::reset();
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, MenuCloser::on_timer);
    ASSERT_NE(timer, 0u);
    show_track_menu(w.app, TrackKind::subtitle);
    EXPECT_EQ(MenuCloser::menus_seen, 1);
    EXPECT_EQ(MenuCloser::menu_rect.left, anchor.x);
    EXPECT_EQ(MenuCloser::menu_rect.bottom, anchor.y);
    EXPECT_TRUE(w.recorder.calls.empty());
}

TEST_F(ContextMenuWin, OpenFileRequestIsExactlyWhatTheDialogNeeds) {
    MainWindow w;
    for (const Language language : {Language::english, Language::french}) {
        set_active_language(language);
        OpenFileDialog dialog;
        prepare_open_file_dialog(dialog, w.window(), "Videos", kVideoPatterns);
        const OPENFILENAMEW& r = dialog.request;
        EXPECT_EQ(r.lStructSize, 152u);
        EXPECT_EQ(r.hwndOwner, w.window());
        EXPECT_EQ(r.hInstance, nullptr);
        const std::wstring all = language == Language::english ? L"All files" : L"Tous les fichiers";
        const std::wstring filter = L"Videos" + std::wstring(1, L'\0') + wide(kVideoPatterns) + std::wstring(1, L'\0') +
                                    all + std::wstring(1, L'\0') + L"*.*" + std::wstring(2, L'\0');
        EXPECT_EQ(std::wstring(r.lpstrFilter, filter.size()), filter);
        EXPECT_EQ(r.lpstrCustomFilter, nullptr);
        EXPECT_EQ(r.nMaxCustFilter, 0u);
        EXPECT_EQ(r.nFilterIndex, 0u);
        EXPECT_EQ(r.lpstrFile, dialog.file.data());
        EXPECT_EQ(r.nMaxFile, 32768u);
        EXPECT_EQ(dialog.file.size(), 32768u);
        EXPECT_EQ(r.lpstrFile[0], L'\0');
        EXPECT_EQ(r.lpstrFileTitle, nullptr);
        EXPECT_EQ(r.nMaxFileTitle, 0u);
        EXPECT_EQ(r.lpstrInitialDir, nullptr);
        EXPECT_EQ(r.lpstrTitle, nullptr);
        EXPECT_EQ(r.Flags, 0x00081008u);  // explorer style, the file must exist, no change of folder
        EXPECT_EQ(r.nFileOffset, 0);
        EXPECT_EQ(r.nFileExtension, 0);
        EXPECT_EQ(r.lpstrDefExt, nullptr);
        EXPECT_EQ(r.lCustData, 0);
        EXPECT_EQ(r.lpfnHook, nullptr);
        EXPECT_EQ(r.lpTemplateName, nullptr);
        EXPECT_EQ(r.pvReserved, nullptr);
        EXPECT_EQ(r.dwReserved, 0u);
        EXPECT_EQ(r.FlagsEx, 0u);
    }
}

// The dialog stand-in browses to another folder, as the user would, and answers with `g_answer`.
std::wstring g_answer;
BOOL WINAPI browse_and_choose(LPOPENFILENAMEW request) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    std::copy(g_answer.begin(), g_answer.end(), request->lpstrFile);
    return !g_answer.empty();
}

// The chosen path ends at the first NUL, and the folder the user browsed to does not stay current.
TEST_F(ContextMenuWin, ChosenPathEndsAtTheFirstNulAndTheFolderStays) {
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    const std::pair<std::wstring, std::optional<std::string>> cases[] = {
        {std::wstring(L"C:\\v\\a\x00E9.mkv") + L'\0' + L"junk", "C:\\v\\aé.mkv"},
        {std::wstring(1, wchar_t(0xD800)) + L'\0', "\xEF\xBF\xBD"},  // a lone surrogate
        {std::wstring(32768, L'z'), std::string(32768, 'z')},        // no NUL at all
        {L"", std::nullopt},                                         // cancelled
    };
    for (const auto& [answer, path] : cases) {
        OpenFileDialog dialog;
        prepare_open_file_dialog(dialog, nullptr, "x", "*.x");
        g_answer = answer;
        EXPECT_EQ(run_open_file_dialog(dialog, browse_and_choose), path);
        wchar_t after[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, after);
        EXPECT_EQ(std::wstring(after), std::wstring(before));
    }
}

}  // namespace
