// The shell's surfaces of the real program: the taskbar button and the media overlay, checked through
// the recording stand-in registered in the Wine prefix for the test's length; the thumbnail buttons
// and the media keys through the fake player core; the recent documents in the prefix's Recent
// folder; and, without the stand-ins, that the program plays as before.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/wide_win.h"
#include "fake_libmpv/fake_protocol.h"
#include "harness_win.h"
#include "mpv/client.h"
#include "ui/bar/bar_layout.h"
#include "ui/window_modes.h"

namespace {

using Line = std::vector<std::string>;
namespace fs = std::filesystem;

constexpr wchar_t kTaskbarServer[] =
    L"Software\\Classes\\CLSID\\{56FDF344-FD6D-11D0-958A-006097C9A090}\\InprocServer32";
constexpr wchar_t kOverlayClass[] =
    L"Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\Windows.Media.SystemMediaTransportControls";

std::optional<std::wstring> read_string(const wchar_t* key, const wchar_t* value) {
    wchar_t buffer[1024]{};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}

void write_string(const wchar_t* key, const wchar_t* value, const std::wstring& text) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// fake_shell.dll in place of Wine's taskbar object and as the overlay's class, for one test; what
// was there before comes back afterwards.
class StandIns {
public:
    StandIns() {
        const std::wstring dll = build_folder() + L"\\fake\\shell\\fake_shell.dll";
        previous_server_ = read_string(kTaskbarServer, nullptr);
        previous_model_ = read_string(kTaskbarServer, L"ThreadingModel");
        write_string(kTaskbarServer, nullptr, dll);
        write_string(kTaskbarServer, L"ThreadingModel", L"Both");
        write_string(kOverlayClass, L"DllPath", dll);
    }
    ~StandIns() {
        if (previous_server_) write_string(kTaskbarServer, nullptr, *previous_server_);
        if (previous_model_) write_string(kTaskbarServer, L"ThreadingModel", *previous_model_);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kOverlayClass);
    }
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

private:
    std::optional<std::wstring> previous_server_;
    std::optional<std::wstring> previous_model_;
};

// shell.log of the stand-in, each line split at TAB.
std::vector<Line> shell_calls(const Install& install) {
    std::ifstream in(fs::path(install.fake_dir + L"\\shell.log"), std::ios::binary);
    std::vector<Line> lines;
    std::string text;
    while (std::getline(in, text)) {
        Line fields;
        std::istringstream parts(text);
        std::string field;
        while (std::getline(parts, field, '\t')) fields.push_back(field);
        if (text.empty() || text.back() == '\t') fields.emplace_back();
        lines.push_back(std::move(fields));
    }
    return lines;
}

std::vector<Line> shell_calls_of(const Install& install, const std::string& name, size_t from = 0) {
    std::vector<Line> out;
    const auto all = shell_calls(install);
    for (size_t i = from; i < all.size(); ++i)
        if (all[i][0] == name) out.push_back(all[i]);
    return out;
}

bool shell_has(const Install& install, const Line& line, size_t from = 0) {
    const auto all = shell_calls(install);
    for (size_t i = from; i < all.size(); ++i)
        if (all[i] == line) return true;
    return false;
}

const Line kPause{"set_property_async", "0", "pause", "3", "1"};
const Line kPlay{"set_property_async", "0", "pause", "3", "0"};
const Line kBack{"command_string", "osd-msg-bar seek -10 relative+exact"};
const Line kForward{"command_string", "osd-msg-bar seek 10 relative+exact"};

// The pause and seek requests among the fake core's calls, from index `from` on.
std::vector<Line> transport_calls(const Install& install, size_t from) {
    std::vector<Line> out;
    const auto all = install.calls();
    for (size_t i = from; i < all.size(); ++i)
        if (all[i] == kPause || all[i] == kPlay || all[i][0] == "command_string") out.push_back(all[i]);
    return out;
}

// A program playing an existing local file (or a URL), with the fake core.
struct Player {
    Install install = Install::make("full");
    std::string path;
    std::optional<Running> running;
    HWND main = nullptr;

    explicit Player(const std::string& url = "", const std::string& settings = "") {
        // Without the About window in front, the keys go to the main window.
        install.write_settings("hide_about=1\n" + settings);
        if (url.empty()) {
            path = narrow(install.appdata) + "\\clip " + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(GetTickCount()) + ".mkv";
            std::ofstream(fs::path(wide(path))) << "not a video";
        } else {
            path = url;
        }
        running.emplace(start(install, L"\"" + wide(path) + L"\""));
        main = running->main_window();
    }
    ~Player() {
        if (main && IsWindow(main)) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            running->wait_exit();
        }
    }
    void loaded(double duration = 100) const {
        install.inject("property\t2\tduration\tdouble\t" + std::to_string(duration));
        install.inject("file-loaded");
    }
    void close_and_expect_exit() {
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(running->wait_exit(), std::optional<DWORD>(0));
        main = nullptr;
    }
};

UINT taskbar_created() { return RegisterWindowMessageW(L"TaskbarButtonCreated"); }

// Explorer has made the taskbar button by the time the shell's objects are made, so the buttons are
// added without waiting for its message, which may have come and gone.
TEST(ShellSystem, TaskbarProgressAndThumbButtonsFollowPlayback) {
    const StandIns stand_ins;
    Player player;
    ASSERT_NE(player.main, nullptr);
    ASSERT_TRUE(wait_until([&] { return shell_calls_of(player.install, "ThumbBarAddButtons").size() >= 3; }));

    EXPECT_TRUE(shell_has(player.install, {"CreateInstance", "ok"}));
    EXPECT_TRUE(shell_has(player.install, {"HrInit"}));
    const auto added = shell_calls_of(player.install, "ThumbBarAddButtons");
    ASSERT_EQ(added.size(), 3u);
    const char* tips[] = {"Back 10 s", "Play", "Forward 10 s"};
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(added[i].size(), 5u);
        EXPECT_EQ(added[i][1], std::to_string(i + 1));
        EXPECT_EQ(added[i][2], "1");  // disabled until the file has loaded
        EXPECT_EQ(added[i][3], tips[i]);
        EXPECT_EQ(added[i][4].rfind("16x16:", 0), 0u) << added[i][4];
    }
    EXPECT_NE(added[0][4], added[2][4]);
    const std::string play_icon = added[1][4];

    // Three positions in second 30, then one in second 31: the taskbar hears of each second once.
    player.loaded(100);
    const auto position = [&](const char* seconds) {
        player.install.inject(std::string("property\t1\ttime-pos\tdouble\t") + seconds);
    };
    position("30.2");
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"SetProgressValue", "30000", "100000"}); }));
    position("30.5");
    position("30.9");
    position("31.1");
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"SetProgressValue", "31000", "100000"}); }));
    const auto values = shell_calls_of(player.install, "SetProgressValue");
    size_t in_second_30 = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i][2], "100000");
        EXPECT_EQ(std::stoll(values[i][1]) % 1000, 0) << values[i][1];
        if (i > 0) {
            EXPECT_NE(values[i], values[i - 1]);
        }
        in_second_30 += values[i][1] == "30000";
    }
    EXPECT_EQ(in_second_30, 1u);
    EXPECT_TRUE(shell_has(player.install, {"SetProgressState", "2"}));
    // Playing: enabled buttons, the middle one pauses.
    auto updated = shell_calls_of(player.install, "ThumbBarUpdateButtons");
    ASSERT_GE(updated.size(), 3u);
    const Line middle = updated[updated.size() - 2];
    EXPECT_EQ(Line(middle.begin(), middle.begin() + 4), (Line{"ThumbBarUpdateButtons", "2", "0", "Pause"}));
    EXPECT_NE(middle[4], play_icon);

    // Paused: the paused state, and the middle button plays again with the play icon.
    const size_t before_pause = shell_calls(player.install).size();
    player.install.inject("property\t3\tpause\tflag\t1");
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"SetProgressState", "8"}, before_pause); }));
    ASSERT_TRUE(
        wait_until([&] { return shell_calls_of(player.install, "ThumbBarUpdateButtons", before_pause).size() >= 3; }));
    updated = shell_calls_of(player.install, "ThumbBarUpdateButtons", before_pause);
    EXPECT_EQ(updated[1], (Line{"ThumbBarUpdateButtons", "2", "0", "Play", play_icon}));
    EXPECT_EQ(shell_calls_of(player.install, "ThumbBarAddButtons").size(), 3u);  // added once

    // A file that fails: the red state at once, gone a moment later.
    const size_t before_failure = shell_calls(player.install).size();
    player.install.inject("end-file\t4");
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"SetProgressState", "4"}, before_failure); }));
    EXPECT_TRUE(wait_until([&] { return shell_has(player.install, {"SetProgressState", "0"}, before_failure); }));

    const size_t before_close = shell_calls(player.install).size();
    player.close_and_expect_exit();
    EXPECT_TRUE(shell_has(player.install, {"SetProgressState", "0"}, before_close));
}

TEST(ShellSystem, FrenchTooltipsFromTheStart) {
    const StandIns stand_ins;
    Player player("", "language=fr\n");
    ASSERT_NE(player.main, nullptr);
    ASSERT_TRUE(wait_until([&] { return shell_calls_of(player.install, "ThumbBarAddButtons").size() >= 3; }));
    const auto added = shell_calls_of(player.install, "ThumbBarAddButtons");
    EXPECT_EQ(added[0][3], "Reculer de 10 s");
    EXPECT_EQ(added[1][3], "Lecture");
    EXPECT_EQ(added[2][3], "Avancer de 10 s");
}

TEST(ShellSystem, MediaOverlayFollowsPlaybackAndItsButtonsWork) {
    const StandIns stand_ins;
    Player player;
    ASSERT_NE(player.main, nullptr);
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"add_ButtonPressed", "ok"}); }));
    EXPECT_TRUE(shell_has(player.install, {"GetForWindow", "ok"}));
    EXPECT_TRUE(shell_has(player.install, {"put_IsEnabled", "0"}));
    EXPECT_TRUE(shell_has(player.install, {"put_IsPlayEnabled", "1"}));
    EXPECT_TRUE(shell_has(player.install, {"put_IsPauseEnabled", "1"}));

    player.loaded();
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"put_IsEnabled", "1"}); }));
    const std::string title = player.path.substr(player.path.find_last_of('\\') + 1);
    EXPECT_TRUE(shell_has(player.install, {"put_Type", "2"}));
    EXPECT_TRUE(shell_has(player.install, {"put_Title", title}));
    EXPECT_TRUE(shell_has(player.install, {"Update"}));
    EXPECT_TRUE(shell_has(player.install, {"put_PlaybackStatus", "3"}));

    // The overlay's buttons arrive on the stand-in's own thread and act like the bar's.
    const struct {
        const char* button;
        Line core_call;
        const char* status;
    } presses[] = {{"1", kPause, "4"}, {"0", kPlay, "3"}, {"2", kPause, "4"}};
    for (const auto& press : presses) {
        const size_t calls_before = player.install.calls().size();
        const size_t shell_before = shell_calls(player.install).size();
        // Renamed into place whole: the fake polls for the file and would read one still empty.
        const fs::path press_file(player.install.fake_dir + L"\\press.txt");
        std::ofstream(fs::path(press_file).concat(L".new")) << press.button;
        fs::rename(fs::path(press_file).concat(L".new"), press_file);
        ASSERT_TRUE(wait_until([&] {
            return shell_has(player.install, {"ButtonPressed", press.button}, shell_before);
        }));
        EXPECT_TRUE(wait_until([&] {
            return transport_calls(player.install, calls_before) == std::vector<Line>{press.core_call};
        })) << press.button;
        EXPECT_TRUE(wait_until([&] {
            return shell_has(player.install, {"put_PlaybackStatus", press.status}, shell_before);
        })) << press.button;
    }

    // Paused now. While the overlay offers its buttons, the play and pause keys are its: their
    // WM_APPCOMMAND goes on to default processing. The keys it has no button for still act.
    const struct {
        UINT command;
        LRESULT result;
        std::vector<Line> calls;
    } keys[] = {{APPCOMMAND_MEDIA_PLAY_PAUSE, FALSE, {}},
                {APPCOMMAND_MEDIA_PLAY, FALSE, {}},
                {APPCOMMAND_MEDIA_FAST_FORWARD, TRUE, {kForward}}};
    for (const auto& key : keys) {
        const size_t before = player.install.calls().size();
        const auto from = reinterpret_cast<WPARAM>(player.main);
        EXPECT_EQ(SendMessageW(player.main, WM_APPCOMMAND, from, MAKELPARAM(0, key.command)), key.result)
            << key.command;
        EXPECT_EQ(transport_calls(player.install, before), key.calls) << key.command;
    }

    const size_t before_end = shell_calls(player.install).size();
    player.install.inject("property\t6\teof-reached\tflag\t1");
    EXPECT_TRUE(wait_until([&] { return shell_has(player.install, {"put_PlaybackStatus", "2"}, before_end); }));

    const size_t before_close = shell_calls(player.install).size();
    player.close_and_expect_exit();
    EXPECT_TRUE(shell_has(player.install, {"remove_ButtonPressed"}, before_close));
    EXPECT_TRUE(shell_has(player.install, {"put_IsEnabled", "0"}, before_close));
}

TEST(ShellSystem, NothingIsCalledWhenTheObjectsCannotBeMade) {
    const StandIns stand_ins;
    SetEnvironmentVariableW(L"TARNWICK_FAKE_SHELL", L"fail");
    Player player;
    SetEnvironmentVariableW(L"TARNWICK_FAKE_SHELL", nullptr);
    ASSERT_NE(player.main, nullptr);
    PostMessageW(player.main, taskbar_created(), 0, 0);
    ASSERT_TRUE(wait_until([&] { return shell_has(player.install, {"CreateInstance", "failed"}); }));
    player.loaded();
    ASSERT_TRUE(wait_until([&] { return player.install.delivered(MPV_EVENT_FILE_LOADED); }));
    const size_t before = player.install.calls().size();
    SendMessageW(player.main, WM_COMMAND, MAKEWPARAM(2, THBN_CLICKED), 0);
    EXPECT_EQ(transport_calls(player.install, before), std::vector<Line>{kPause});
    player.close_and_expect_exit();
    // At start, then again for the button's message.
    EXPECT_EQ(
        shell_calls(player.install),
        (std::vector<Line>{{"GetForWindow", "failed"}, {"CreateInstance", "failed"}, {"CreateInstance", "failed"}}));
}

TEST(ShellSystem, WithoutTheStandInsThePlayerPlaysAsBefore) {
    Player player;
    ASSERT_NE(player.main, nullptr);
    // Wine's own taskbar object fakes success; its overlay class does not exist.
    PostMessageW(player.main, taskbar_created(), 0, 0);
    player.loaded();
    player.install.inject("property\t1\ttime-pos\tdouble\t12");
    ASSERT_TRUE(wait_until([&] {
        for (const auto& call : player.install.calls())
            if (call.size() > 2 && call[0] == "event" && call[1] == "22" && call[3] == "time-pos") return true;
        return false;
    }));
    const size_t before = player.install.calls().size();
    SendMessageW(player.main, WM_COMMAND, MAKEWPARAM(2, THBN_CLICKED), 0);
    EXPECT_EQ(transport_calls(player.install, before), std::vector<Line>{kPause});
    EXPECT_FALSE(message_box(*player.running));
    player.close_and_expect_exit();
    EXPECT_FALSE(fs::exists(fs::path(player.install.fake_dir + L"\\shell.log")));
}

TEST(ShellSystem, ThumbButtonsAndMediaKeysRunTheBarsActions) {
    Player player;
    ASSERT_NE(player.main, nullptr);
    player.loaded();
    ASSERT_TRUE(wait_until([&] { return player.install.delivered(MPV_EVENT_FILE_LOADED); }));
    const struct {
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
        LRESULT result;
        std::vector<Line> calls;
    } cases[] = {
        {WM_COMMAND, MAKEWPARAM(1, THBN_CLICKED), 0, 0, {kBack}},
        {WM_COMMAND, MAKEWPARAM(3, THBN_CLICKED), 0, 0, {kForward}},
        {WM_COMMAND, MAKEWPARAM(2, THBN_CLICKED), 0, 0, {kPause}},
        {WM_COMMAND, MAKEWPARAM(2, THBN_CLICKED), 0, 0, {kPlay}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PLAY_PAUSE), TRUE, {kPause}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PAUSE), TRUE, {}},  // already paused
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PLAY), TRUE, {kPlay}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PLAY), TRUE, {}},  // already playing
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_STOP | FAPPCOMMAND_KEY), TRUE, {kPause}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PLAY_PAUSE), TRUE, {kPlay}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_FAST_FORWARD), TRUE, {kForward}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_REWIND), TRUE, {kBack}},
        // Left to default processing: no playlist, and the system's volume.
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_NEXTTRACK), FALSE, {}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PREVIOUSTRACK), FALSE, {}},
        {WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_VOLUME_UP), FALSE, {}},
        {WM_COMMAND, MAKEWPARAM(4, THBN_CLICKED), 0, 0, {}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const size_t before = player.install.calls().size();
        // WM_APPCOMMAND's wParam is the window the command came from.
        const WPARAM wparam = c.message == WM_APPCOMMAND ? reinterpret_cast<WPARAM>(player.main) : c.wparam;
        const LRESULT result = SendMessageW(player.main, c.message, wparam, c.lparam);
        if (c.message == WM_APPCOMMAND) {
            EXPECT_EQ(result, c.result) << i;
        }
        EXPECT_EQ(transport_calls(player.install, before), c.calls) << i;
    }

    // The real keys, as the keyboard sends them to the window in front.
    SetForegroundWindow(player.main);
    ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == player.main; }, std::chrono::seconds(5)));
    const struct {
        WORD key;
        Line call;
    } keys[] = {{VK_MEDIA_PLAY_PAUSE, kPause}, {VK_MEDIA_PLAY_PAUSE, kPlay}, {VK_MEDIA_STOP, kPause}};
    for (const auto& k : keys) {
        const size_t before = player.install.calls().size();
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = k.key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(SendInput(2, input, sizeof(INPUT)), 2u);
        EXPECT_TRUE(wait_until([&] { return transport_calls(player.install, before) == std::vector<Line>{k.call}; }))
            << k.key;
    }
}

fs::path recent_link(const std::string& name) {
    wchar_t folder[MAX_PATH]{};
    SHGetFolderPathW(nullptr, CSIDL_RECENT, nullptr, 0, folder);
    return fs::path(folder) / wide(name + ".lnk");
}

TEST(ShellSystem, LoadedLocalFilesJoinTheRecentDocuments) {
    const std::string url = "https://example.invalid/stream-" + std::to_string(GetCurrentProcessId()) + ".mkv";
    for (const bool local : {true, false}) {
        Player player(local ? "" : url);
        ASSERT_NE(player.main, nullptr);
        const fs::path link = recent_link(player.path.substr(player.path.find_last_of("\\/") + 1));
        std::error_code ignored;
        fs::remove(link, ignored);
        EXPECT_FALSE(fs::exists(link));
        player.loaded();
        ASSERT_TRUE(wait_until([&] { return player.install.delivered(MPV_EVENT_FILE_LOADED); }));
        if (local) {
            EXPECT_TRUE(wait_until([&] { return fs::exists(link); })) << link;
        } else {
            player.close_and_expect_exit();  // whatever it would do, it has done by now
            EXPECT_FALSE(fs::exists(link)) << link;
        }
        fs::remove(link, ignored);
    }
}

}  // namespace

// The seek bar's popup under the real pointer: the second it names, and the colour the fake's
// picture core paints that second's frame with, read off the screen at the picture's middle.
struct SeekBarPointer {
    const Player& player;
    HWND popup = nullptr;

    void point_at(double fraction) const {
        RECT client{};
        GetClientRect(player.main, &client);
        const HDC screen = GetDC(nullptr);
        const auto dpi = static_cast<uint32_t>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
        const int32_t bar = bar_height_for(dpi);
        const BarRect seek = compute_bar_layout(dpi, client.right, bar).seek_rect;
        POINT point{seek.left + static_cast<LONG>(std::lround(fraction * (seek.right - seek.left))),
                    client.bottom - bar / 2};
        ClientToScreen(player.main, &point);
        SetCursorPos(point.x, point.y);
    }
    bool shown() { return (popup = player.running->wait_for_window(kPopupClass, {})) && IsWindowVisible(popup); }
    // The second the popup shows, from its m:ss text.
    int64_t second() const {
        const std::string text = window_title(popup);
        const size_t colon = text.find(':');
        return colon == std::string::npos ? -1
                                          : std::stoll(text.substr(0, colon)) * 60 + std::stoll(text.substr(colon + 1));
    }
    COLORREF picture_pixel() const {
        RECT rect{};
        GetWindowRect(popup, &rect);
        const HDC screen = GetDC(nullptr);
        const COLORREF pixel = GetPixel(screen, (rect.left + rect.right) / 2, rect.top + 12);
        ReleaseDC(nullptr, screen);
        return pixel;
    }
    static COLORREF colour_of(int64_t second) {
        const uint32_t rgb = fake_mpv::preview_colour(second);
        return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
    }
    int popup_height() const {
        RECT rect{};
        GetWindowRect(popup, &rect);
        return rect.bottom - rect.top;
    }
    static constexpr const wchar_t* kPopupClass = L"TarnwickLight.SeekPreview";
};

std::vector<Line> picture_core_calls(const Install& install, const std::string& function) {
    std::vector<Line> out;
    for (const auto& call : install.calls_of("#2"))
        if (call.size() > 1 && call[1] == function) out.push_back(call);
    return out;
}

// No second core before the pointer is first over the seek bar; then the picture of the second
// the popup names, the newest position winning over a decode still running (black meanwhile, never
// another second's picture), and the core gone with the program.
TEST(ShellSystem, SeekBarPictureIsThatOfTheSecondUnderThePointer) {
    SetCursorPos(5, 5);  // not over the new window's seek bar
    Player player;
    player.install.set_properties("video-params/dw\t640\nvideo-params/dh\t360\npreview-delay-ms\t700\n");
    player.loaded(200);
    SeekBarPointer pointer{player};
    ASSERT_TRUE(wait_until([&] { return player.install.delivered(MPV_EVENT_FILE_LOADED); }));
    Sleep(300);
    EXPECT_TRUE(player.install.calls_of("#2").empty());

    pointer.point_at(0.3);
    ASSERT_TRUE(wait_until([&] { return pointer.shown(); }));
    ASSERT_TRUE(wait_until([&] { return !picture_core_calls(player.install, "command_async").empty(); }));
    for (const double fraction : {0.4, 0.5, 0.6, 0.7}) {
        pointer.point_at(fraction);
        Sleep(40);
    }
    ASSERT_TRUE(wait_until([&] { return pointer.second() >= 130; }));
    const int64_t last = pointer.second();
    std::vector<COLORREF> seen;
    wait_until([&] { return seen.emplace_back(pointer.picture_pixel()) == SeekBarPointer::colour_of(last); });
    EXPECT_EQ(seen.back(), SeekBarPointer::colour_of(last)) << last;
    for (const COLORREF pixel : seen) EXPECT_TRUE(pixel == RGB(0, 0, 0) || pixel == seen.back()) << std::hex << pixel;
    // The load of the first position, then one seek: to the last, the ones between never asked for.
    const auto asked = picture_core_calls(player.install, "command_async");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0][3], "loadfile");
    EXPECT_EQ(asked[1], (Line{"#2", "command_async", "2", "seek", std::to_string(last), "absolute+keyframes"}));

    player.close_and_expect_exit();
    EXPECT_EQ(picture_core_calls(player.install, "terminate_destroy").size(), 1u);
}

// A file the picture core cannot open leaves the time alone: the popup loses its picture's room,
// and no other core is made for it.
TEST(ShellSystem, SeekBarOfAFileThePicturesCannotOpenShowsTheTimeAlone) {
    Player player;
    player.install.set_properties("video-params/dw\t640\nvideo-params/dh\t360\npreview-fails\t1\n");
    player.loaded(200);
    ASSERT_TRUE(wait_until([&] { return player.install.delivered(MPV_EVENT_FILE_LOADED); }));
    SeekBarPointer pointer{player};
    pointer.point_at(0.5);
    ASSERT_TRUE(wait_until([&] { return pointer.shown(); }));
    EXPECT_TRUE(wait_until([&] { return !picture_core_calls(player.install, "terminate_destroy").empty(); }));
    pointer.point_at(0.6);
    // 160 x 90 pixels of picture at 96 DPI would stand above the time.
    EXPECT_TRUE(wait_until([&] { return pointer.shown() && std::abs(pointer.second() - 120) <= 1; }));
    EXPECT_LT(pointer.popup_height(), 90);
    EXPECT_TRUE(player.install.calls_of("#3").empty());
}
