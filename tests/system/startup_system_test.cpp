#include <gtest/gtest.h>

#include <filesystem>

#include "base/wide_win.h"
#include "harness_win.h"

namespace {

using namespace std::chrono_literals;

// Waits for the fake to have recorded a call of `function`, then returns all of them.
std::vector<std::vector<std::string>> wait_calls(const Install& install, const std::string& function,
                                                 size_t count = 1) {
    wait_until([&] { return install.calls_of(function).size() >= count; });
    return install.calls_of(function);
}

void close_and_expect_exit(const Running& running, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
}

TEST(StartupSystem, ConfiguresTheCoreForTheVideoWindow) {
    auto install = Install::make("full");
    install.write_settings("volume=57.5\nmute=1\nmpv_options= hwdec=no ; vf=format=bgr0\n");
    auto running = start(install, L"");
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    wait_calls(install, "set_wakeup_callback");

    const HWND video = FindWindowExW(main, nullptr, L"TarnwickLight.Video", nullptr);
    ASSERT_NE(video, nullptr);
    const std::string watch_later = narrow(install.appdata) + "\\Tarnwick Light\\watch_later";
    const std::vector<std::pair<std::string, std::string>> expected{
        {"wid", std::to_string(reinterpret_cast<intptr_t>(video))},
        {"config", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"osc", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"input-cursor", "no"},
        {"cursor-autohide", "no"},
        {"vo", "gpu-next,gpu"},
        {"gpu-api", "d3d11"},
        {"hwdec", "auto-safe"},
        {"keep-open", "yes"},
        {"idle", "yes"},
        {"force-window", "yes"},
        {"resume-playback", "yes"},
        {"watch-later-directory", watch_later},
        {"volume-max", "100"},
        {"volume", "58"},
        {"mute", "yes"},
        {"osd-duration", "1500"},
        {"osd-font-size", "36"},
        {"audio-client-name", "Tarnwick Light"},
        {"watch-later-options", "aid,sid"},
        {"sub-auto", "fuzzy"},
        {"hwdec", "no"},
        {"vf", "format=bgr0"},
    };
    std::vector<std::pair<std::string, std::string>> options;
    for (const auto& call : install.calls_of("set_option_string")) options.emplace_back(call[1], call[2]);
    EXPECT_EQ(options, expected);
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(wide(watch_later))));

    // The core made, initialization, then the eight observed properties, then the wake-up callback.
    std::vector<std::string> order;
    for (const auto& call : install.calls()) {
        if (call[0] == "create" || call[0] == "initialize" || call[0] == "set_wakeup_callback")
            order.push_back(call[0]);
        if (call[0] == "observe_property") order.push_back(call[1] + " " + call[2] + " " + call[3]);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"create", "initialize", "1 time-pos 5", "2 duration 5", "3 pause 3",
                                               "4 volume 5", "5 mute 3", "6 eof-reached 3", "7 speed 5", "8 sid 1",
                                               "set_wakeup_callback"}));

    // Without a file the drop message stays for an hour.
    const auto shown = wait_calls(install, "command_async");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], (std::vector<std::string>{"command_async", "0", "show-text",
                                                  "Drop a video here or press Ctrl+O to open — F1: help", "3600000"}));
    close_and_expect_exit(running, main);
    EXPECT_EQ(install.calls().back()[0], "terminate_destroy");
}

struct FailureCase {
    const char* variant;
    std::string expected_text;  // for "" the library path is appended
};

TEST(StartupSystem, EachStartUpFailureShowsItsMessageAndExitsWithZero) {
    const FailureCase cases[] = {
        {"", "Cannot load "},
        {"no_mpv_free", "Function missing from libmpv: mpv_free"},
        {"create_null", "mpv_create failed"},
        {"init_fails", "mpv_initialize failed (-5)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        auto install = Install::make(c.variant);
        auto running = start(install, L"");
        std::optional<std::string> text;
        ASSERT_TRUE(wait_until([&] { return (text = message_box_text(running)).has_value() && !text->empty(); }));
        std::string expected = c.expected_text;
        if (std::string(c.variant).empty()) expected += narrow(install.folder) + "\\libmpv-2.dll";
        EXPECT_EQ(*text, expected);
        const HWND main = running.main_window(1s);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(IsWindowVisible(main));
        EXPECT_EQ(GetWindow(message_box(running), GW_OWNER), main);
        PostMessageW(message_box(running), WM_COMMAND, IDOK, 0);
        EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
    }
}

TEST(StartupSystem, FrenchFailureText) {
    auto install = Install::make("no_mpv_free");
    install.write_settings("language=fr\n");
    auto running = start(install, L"");
    std::optional<std::string> text;
    ASSERT_TRUE(wait_until([&] { return (text = message_box_text(running)).has_value() && !text->empty(); }));
    EXPECT_EQ(*text, "Fonction absente de libmpv : mpv_free");
    PostMessageW(message_box(running), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
}

// What the settings say about the start: the language of the drop message, the About window, the
// window's place, and always on top coming back without an on-screen message.
TEST(StartupSystem, SettingsShapeTheStart) {
    auto install = Install::make("full");
    install.write_settings("language=fr\nhide_about=1\nalways_on_top=1\nwindow=100,80,900,600\n");
    auto running = start(install, L"");
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    const auto shown = wait_calls(install, "command_async");
    EXPECT_EQ(shown[0], (std::vector<std::string>{"command_async", "0", "show-text",
                                                  "Glissez une vidéo ici ou Ctrl+O pour ouvrir "
                                                  "— F1 : aide",
                                                  "3600000"}));
    for (const auto& call : install.calls_of("command_async")) {
        if (call.size() > 3 && call[2] == "show-text") {
            EXPECT_EQ(call[3].find("Toujours"), std::string::npos) << call[3];
        }
    }
    // WS_EX_TOPMOST itself is not checked: Wine 8 leaves an owner that has a topmost owned popup
    // (the tooltip control) non-topmost after SetWindowPos(HWND_TOPMOST); Windows does not.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(main, &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 100);
    EXPECT_EQ(placement.rcNormalPosition.top, 80);
    EXPECT_EQ(placement.rcNormalPosition.right, 900);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 600);
    EXPECT_EQ(running.wait_for_window(L"TarnwickLight.About", std::chrono::milliseconds(1500)), nullptr);
    close_and_expect_exit(running, main);
}

TEST(StartupSystem, AboutWindowShowsUnlessHidden) {
    auto install = Install::make("full");
    auto running = start(install, L"");
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    const HWND about = running.wait_for_window(L"TarnwickLight.About");
    ASSERT_NE(about, nullptr);
    // Found between its creation and ShowWindow on a busy machine.
    EXPECT_TRUE(wait_until([&] { return IsWindowVisible(about) != FALSE; }));
    EXPECT_EQ(GetWindow(about, GW_OWNER), main);
    close_and_expect_exit(running, main);
}

TEST(StartupSystem, LibraryInTheCurrentFolderIsNotUsed) {
    auto install = Install::make("");
    auto other = Install::make("full");
    auto running = start(install, L"", other.folder);
    std::optional<std::string> text;
    ASSERT_TRUE(wait_until([&] { return (text = message_box_text(running)).has_value() && !text->empty(); }));
    EXPECT_EQ(*text, "Cannot load " + narrow(install.folder) + "\\libmpv-2.dll");
    PostMessageW(message_box(running), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
}

TEST(StartupSystem, NonAsciiInstallFolderLoads) {
    auto install = Install::make("full", L"Vid\x00E9os \x2603 \x64AD\x653E");
    auto running = start(install, L"");
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(wait_calls(install, "set_wakeup_callback").empty());
    EXPECT_EQ(message_box(running), nullptr);
    close_and_expect_exit(running, main);
}

TEST(StartupSystem, FileArgumentReachesLoadfile) {
    auto install = Install::make("full");
    const std::wstring videos = install.appdata + L"\\Mes vid\x00E9os";
    std::filesystem::create_directories(std::filesystem::path(videos));
    struct Case {
        std::wstring arguments;
        std::string loaded;
    } cases[] = {
        {L"clip.mkv", narrow(videos) + "\\clip.mkv"},
        {L"\"sous dossier\\..\\a b.mkv\" second.mkv", narrow(videos) + "\\a b.mkv"},
        {L"https://example.com/v.mp4?a=1", "https://example.com/v.mp4?a=1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loaded);
        DeleteFileW((install.fake_dir + L"\\calls.log").c_str());
        auto running = start(install, c.arguments, videos);
        const HWND main = running.main_window();
        ASSERT_NE(main, nullptr);
        wait_until([&] {
            for (const auto& call : install.calls_of("command"))
                if (call[1] == "loadfile") return true;
            return false;
        });
        std::vector<std::string> loaded;
        for (const auto& call : install.calls_of("command"))
            if (call[1] == "loadfile") loaded.push_back(call[2]);
        EXPECT_EQ(loaded, std::vector<std::string>{c.loaded});
        // The program has left the folder it was started in: it can go while the program runs, as a
        // stick can be ejected. Windows and Wine refuse to remove a running process's current folder.
        EXPECT_TRUE(RemoveDirectoryW(videos.c_str())) << GetLastError();
        std::filesystem::create_directories(std::filesystem::path(videos));
        close_and_expect_exit(running, main);
    }
}

}  // namespace

namespace {

// Wine takes the system DPI from the user's LogPixels value when a process starts.
struct SystemDpi {
    explicit SystemDpi(DWORD dpi) { set(dpi); }
    ~SystemDpi() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
    static void set(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
};

TEST(StartupSystem, InitialSizeFollowsTheSystemDpi) {
    const std::pair<DWORD, SIZE> cases[] = {{144, {1440, 885}}, {120, {1200, 737}}, {96, {960, 590}}};
    for (const auto& [dpi, size] : cases) {
        SCOPED_TRACE(dpi);
        SystemDpi system_dpi(dpi);
        auto install = Install::make("full");
        auto running = start(install, L"");
        const HWND main = running.main_window();
        ASSERT_NE(main, nullptr);
        wait_until([&] { return IsWindowVisible(main) != FALSE; });
        RECT rect{};
        GetWindowRect(main, &rect);
        EXPECT_EQ(rect.right - rect.left, size.cx);
        EXPECT_EQ(rect.bottom - rect.top, size.cy);
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
    }
}

}  // namespace
