// The real program against a player core that fails: seeded random schedules for the fake's fault
// mode (every call after the Nth failing, events in impossible orders, floods, wake-ups after
// destroy) and its inbox. Each schedule must leave a program that answers messages, closes with exit
// code 0 and writes a settings file the program itself would write.
//
// TARNWICK_FAULT_SCHEDULES (default 16) schedules from seed TARNWICK_FAULT_SEED (default 1), at most
// TARNWICK_FAULT_SECONDS (default 300) seconds; a failure names its seed, and that seed alone
// replays the schedule: TARNWICK_FAULT_SEED=s TARNWICK_FAULT_SCHEDULES=1.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "harness_win.h"
#include "app/settings/settings.h"
#include "base/wide_win.h"

namespace {

uint64_t setting(const char* name, uint64_t fallback) {
    char buffer[32] = {};
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::strtoull(buffer, nullptr, 10) : fallback;
}

struct Schedule {
    std::string faults;      // faults.txt
    std::string properties;  // properties.txt
    std::string inbox;       // inbox.txt
    std::vector<WPARAM> keys;
};

Schedule make_schedule(uint64_t seed) {
    std::mt19937_64 random(seed);
    const auto pick = [&](uint64_t n) { return static_cast<uint64_t>(random() % n); };
    Schedule s;
    s.faults = "seed\t" + std::to_string(seed) + "\n";
    // An eighth of the schedules fail during start-up's 30 to 40 calls (the program then shows why
    // and exits). The rest fail from the first wait for events, or a call or two later: once its
    // window pumps events the program makes a median of two calls before it closes, so a count from
    // the start would mostly miss it.
    if (pick(8) == 0)
        s.faults += "fail-after\t" + std::to_string(1 + pick(40)) + "\n";
    else
        s.faults += "fail-after-wait\t" + std::to_string(pick(3)) + "\n";
    if (pick(6) == 0) s.faults += "flood\n";
    s.faults += "wake-after-destroy\t" + std::to_string(pick(40)) + "\n";

    static const char* const kDoubles[] = {"nan", "inf", "-inf", "-1", "0", "7.5", "1e308", "abc"};
    static const char* const kTexts[] = {"\\xFF\\xFE", "", "no", "yes", "\\xC3", "1", "audio", "sub"};
    s.properties = "time-pos\t" + std::string(kDoubles[pick(8)]) + "\nduration\t" + kDoubles[pick(8)] + "\nvolume\t" +
                   kDoubles[pick(8)] + "\ntrack-list/count\t" +
                   (pick(2) ? "9223372036854775807" : std::to_string(pick(4))) + "\n";
    for (int i = 0; i < 3; ++i) {
        const std::string prefix = "track-list/" + std::to_string(i) + "/";
        s.properties += prefix + "type\t" + kTexts[pick(8)] + "\n" + prefix + "id\t" + kDoubles[pick(8)] + "\n" +
                        prefix + "title\t" + kTexts[pick(8)] + "\n" + prefix + "lang\t" + kTexts[pick(8)] + "\n";
    }
    if (pick(3) == 0) s.properties += "!status\tloadfile\t-13\n";

    static const char* const kFormats[] = {"none", "flag", "double", "string", "int64"};
    const uint64_t events = pick(40);
    for (uint64_t i = 0; i < events; ++i) {
        switch (pick(8)) {
            case 0:
                s.inbox += "file-loaded\n";
                break;
            case 1:
                s.inbox += "end-file\t" + std::to_string(pick(7)) + "\n";
                break;
            case 2:
                s.inbox += "shutdown\n";
                break;
            case 3:
                s.inbox += "raw\t" + std::to_string(pick(2) ? pick(30) : 1000 + pick(1000)) + "\n";
                break;
            case 4:
                s.inbox += "wake\t" + std::to_string(pick(50)) + "\n";
                break;
            case 5:
                s.inbox += "sleep\t" + std::to_string(pick(60)) + "\n";
                break;
            default: {
                const char* format = kFormats[pick(5)];
                const std::string value = std::string(format) == "string" ? kTexts[pick(8)] : kDoubles[pick(8)];
                s.inbox += "property\t" + std::to_string(pick(12)) + "\tx\t" + format + "\t" + value + "\n";
            }
        }
    }
    static const WPARAM kKeys[] = {VK_SPACE, VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN, 'M', 'A', 'S', VK_OEM_PERIOD};
    for (uint64_t i = pick(8); i > 0; --i) s.keys.push_back(kKeys[pick(9)]);
    return s;
}

void write_text(const std::wstring& path, const std::string& text) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << text;
}

// Exit codes from 0xC0000000 on are NTSTATUS errors: an access violation, a stack overflow, ...
bool is_crash(DWORD code) { return code >= 0xC0000000u; }

struct Tally {
    uint64_t at_start = 0;        // no main window: the core failed during start-up and the program said so
    uint64_t with_window = 0;     // faults reached a program with its window open
    uint64_t faults = 0;          // failing calls and unasked-for events the fake produced
    std::vector<uint64_t> calls;  // calls each program with a window made after its first wait for events
};

// An empty text when the schedule passed, else what went wrong.
std::string run_schedule(const Install& install, uint64_t seed, Tally& tally) {
    const Schedule schedule = make_schedule(seed);
    DeleteFileW((install.fake_dir + L"\\calls.log").c_str());
    DeleteFileW(install.settings_file().c_str());
    write_text(install.fake_dir + L"\\faults.txt", schedule.faults);
    write_text(install.fake_dir + L"\\inbox.txt", schedule.inbox);
    install.set_properties(schedule.properties);

    Running running = start(install, L"\"C:\\films\\schedule.mkv\"");
    HWND main = nullptr;
    wait_until([&] { return (main = running.main_window(std::chrono::milliseconds(0))) || message_box(running); });
    if (!main) {
        // A core that fails to start is shown in a message box; closing it ends the program.
        if (const HWND box = message_box(running)) PostMessageW(box, WM_COMMAND, IDOK, 0);
        const auto code = running.wait_exit();
        ++tally.at_start;
        if (!code) return "no window, no exit";
        return is_crash(*code) ? "crashed before its window: " + std::to_string(*code) : "";
    }
    for (const WPARAM key : schedule.keys) PostMessageW(main, WM_KEYDOWN, key, 0);
    Sleep(static_cast<DWORD>(seed % 200));
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored))
        return "the window stopped answering";
    PostMessageW(main, WM_CLOSE, 0, 0);
    const auto code = running.wait_exit();
    if (!code) return "did not exit after WM_CLOSE";
    if (*code != 0) return "exit code " + std::to_string(*code);
    const auto text = install.read_settings();
    if (!text) return "no settings file after close";
    if (format_settings(parse_settings(*text)) != *text) return "settings file not as written: " + *text;
    const size_t faults = install.calls_of("fault").size() + install.calls_of("fault-event").size();
    tally.faults += faults;
    if (faults > 0) ++tally.with_window;
    for (const auto& call : install.calls_of("calls"))
        if (call.size() == 3)
            tally.calls.push_back(std::strtoull(call[1].c_str(), nullptr, 10) -
                                  std::strtoull(call[2].c_str(), nullptr, 10));
    for (const auto& call : install.calls_of("terminate_destroy"))
        if (call.size() == 2 && call[1] != "outstanding=0") return "strings not freed: " + call[1];
    return "";
}

TEST(FaultSchedules, SeededRandomFaultsNeitherCrashNorHangNorLoseTheSettings) {
    const uint64_t first = setting("TARNWICK_FAULT_SEED", 1);
    const uint64_t count = setting("TARNWICK_FAULT_SCHEDULES", 16);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(setting("TARNWICK_FAULT_SECONDS", 300));
    const Install install = Install::make("full");
    uint64_t run = 0, failed = 0;
    Tally tally;
    for (uint64_t seed = first; seed < first + count && std::chrono::steady_clock::now() < deadline; ++seed, ++run) {
        const std::string failure = run_schedule(install, seed, tally);
        if (failure.empty()) continue;
        ++failed;
        const Schedule s = make_schedule(seed);
        ADD_FAILURE() << "seed " << seed << ": " << failure << "\nfaults.txt:\n"
                      << s.faults << "inbox.txt:\n"
                      << s.inbox;
    }
    std::printf(
        "[fault schedules] %llu run (seeds %llu..%llu), %llu failed; %llu stopped at start-up as designed, "
        "%llu met faults with the window open; %llu faults injected\n",
        static_cast<unsigned long long>(run), static_cast<unsigned long long>(first),
        static_cast<unsigned long long>(first + run - 1), static_cast<unsigned long long>(failed),
        static_cast<unsigned long long>(tally.at_start), static_cast<unsigned long long>(tally.with_window),
        static_cast<unsigned long long>(tally.faults));
    if (!tally.calls.empty()) {
        std::sort(tally.calls.begin(), tally.calls.end());
        std::printf("[fault schedules] calls after the first wait for events: %llu .. %llu, median %llu\n",
                    static_cast<unsigned long long>(tally.calls.front()),
                    static_cast<unsigned long long>(tally.calls.back()),
                    static_cast<unsigned long long>(tally.calls[tally.calls.size() / 2]));
    }
    EXPECT_GT(run, 0u);
    EXPECT_GT(tally.with_window, 0u);
}

}  // namespace
