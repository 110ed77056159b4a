#include <gtest/gtest.h>

#include <filesystem>

#include "base/wide_win.h"
#include "harness_win.h"
#include "mpv/client.h"
#include "support/temp_appdata_win.h"

namespace {

using Line = std::vector<std::string>;

// The show-text requests the program has made so far, as (text, duration).
std::vector<std::pair<std::string, std::string>> shown(const Install& install) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& call : install.calls_of("command_async"))
        if (call.size() == 5 && call[2] == "show-text") out.emplace_back(call[3], call[4]);
    return out;
}

bool has_shown(const Install& install, const std::string& text, const std::string& duration) {
    for (const auto& [t, d] : shown(install))
        if (t == text && d == duration) return true;
    return false;
}

struct PlayingFile {
    Install install = Install::make("full");
    std::string path;
    std::optional<Running> running;
    HWND main = nullptr;

    explicit PlayingFile(const std::string& name = "Mes vidéos\\film.mkv") {
        path = narrow(install.appdata) + "\\" + name;
        std::filesystem::create_directories(std::filesystem::path(wide(path)).parent_path());
        running.emplace(start(install, L"\"" + wide(path) + L"\""));
        main = running->main_window();
    }
    ~PlayingFile() {
        if (!main) return;
        PostMessageW(main, WM_CLOSE, 0, 0);
        running->wait_exit();
    }
};

TEST(PlaybackSystem, OpeningClearsTheMessageUnpausesLoadsAndSetsTheTitle) {
    PlayingFile file;
    ASSERT_NE(file.main, nullptr);
    ASSERT_TRUE(wait_until([&] { return !file.install.calls_of("command").empty(); }));
    std::vector<Line> sequence;
    for (const auto& call : file.install.calls()) {
        if (call[0] == "command_async" || call[0] == "set_property_async" || call[0] == "command")
            sequence.push_back(call);
    }
    ASSERT_GE(sequence.size(), 3u);
    EXPECT_EQ(sequence[0], (Line{"command_async", "0", "show-text", "", "1"}));
    EXPECT_EQ(sequence[1], (Line{"set_property_async", "0", "pause", "3", "0"}));
    EXPECT_EQ(sequence[2], (Line{"command", "loadfile", file.path}));
    EXPECT_EQ(window_title(file.main), file.path + " — Tarnwick Light");
}

// From MAX_PATH units on, the core gets the verbatim form, which Windows opens without long-path
// support; the title keeps the path as the user knows it.
TEST(PlaybackSystem, LongPathReachesTheCoreVerbatim) {
    PlayingFile file(std::string(150, 'a') + "\\" + std::string(150, 'b') + ".mkv");
    ASSERT_NE(file.main, nullptr);
    ASSERT_GE(file.path.size(), 300u);
    ASSERT_TRUE(wait_until([&] { return !file.install.calls_of("command").empty(); }));
    EXPECT_EQ(file.install.calls_of("command")[0], (Line{"command", "loadfile", "\\\\?\\" + file.path}));
    EXPECT_EQ(window_title(file.main), file.path + " \xE2\x80\x94 Tarnwick Light");
}

TEST(PlaybackSystem, ResumedFileIsAnnounced) {
    PlayingFile file;
    ASSERT_NE(file.main, nullptr);
    file.install.inject("file-loaded");
    file.install.inject("property\t1\ttime-pos\tdouble\t3725.4");
    EXPECT_TRUE(wait_until([&] { return has_shown(file.install, "Resuming at 1:02:05", "2000"); }));
}

TEST(PlaybackSystem, FailedFileIsAnnouncedAndEndsQuietlyOtherwise) {
    PlayingFile file;
    ASSERT_NE(file.main, nullptr);
    file.install.inject("end-file\t0");
    file.install.inject("end-file\t4");
    EXPECT_TRUE(wait_until([&] { return has_shown(file.install, "Cannot play \"" + file.path + "\"", "5000"); }));
    // Only the error reason speaks: besides the clearing of the start and the failure, nothing.
    EXPECT_EQ(shown(file.install).size(), 2u);
}

TEST(PlaybackSystem, WakeUpFloodAndOddEventsAreDrained) {
    PlayingFile file;
    ASSERT_NE(file.main, nullptr);
    file.install.inject("wake\t20000");
    file.install.inject("property\t1\ttime-pos\tdouble\tnan");
    file.install.inject("property\t2\tduration\tdouble\tinf");
    file.install.inject("property\t7\tspeed\tdouble\t-2");
    file.install.inject("property\t8\tsid\tstring\t\\xFF");
    file.install.inject("property\t4\tvolume\tnone");
    file.install.inject("raw\t999");
    file.install.inject("file-loaded");
    EXPECT_TRUE(wait_until([&] { return file.install.delivered(MPV_EVENT_FILE_LOADED); }));
    // Still answering messages.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(file.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0);
}

// libmpv's window thread may send the program's window a message while the core shuts down, and
// waits for the answer: the close answers it instead of waiting for the core with the window deaf.
TEST(PlaybackSystem, CloseAnswersTheCoreWhileItShutsDown) {
    const Install install = Install::make("full");
    ASSERT_TRUE(write_file(narrow(install.fake_dir) + "\\faults.txt", "send-while-destroying\t1\n"));
    const Running running = start(install, L"");
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
    const auto sent = install.calls_of("destroy-sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][1], "answered");
}

// A core whose shutdown never ends, and whose library would hang the process's exit: once the
// shortened wait gives up, the process ends at once, with code 0 and its settings saved.
TEST(PlaybackSystem, CloseThatGivesUpOnTheCoreStillEndsTheProcess) {
    const Install install = Install::make("full");
    ASSERT_TRUE(write_file(narrow(install.fake_dir) + "\\faults.txt", "block-in-destroy\t1\n"));
    SetEnvironmentVariableW(L"TARNWICK_CORE_SHUTDOWN_WAIT_MS", L"500");
    const Running running = start(install, L"");
    SetEnvironmentVariableW(L"TARNWICK_CORE_SHUTDOWN_WAIT_MS", nullptr);
    const HWND main = running.main_window();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.wait_exit(), std::optional<DWORD>(0));
    EXPECT_EQ(install.calls_of("destroy-blocked").size(), 1u);
    EXPECT_TRUE(install.read_settings().has_value());
}

}  // namespace
