// Settings that survive a kill during the write: a writer process saves with the program's own save
// in a loop while this test ends it with TerminateProcess at random moments. After every kill the
// file must be exactly one the writer wrote, never older than before the trial, and read back by the
// next start; the temporary files of killed writers go at the next successful save.
//
// TARNWICK_KILL_TRIALS (default 40) trials, at most TARNWICK_KILL_SECONDS (default 240) seconds.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "harness_win.h"
#include "app/settings/settings_win.h"
#include "base/wide_win.h"
#include "system/settings_series.h"

namespace {

namespace fs = std::filesystem;

uint64_t setting(const char* name, uint64_t fallback) {
    char buffer[32] = {};
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::strtoull(buffer, nullptr, 10) : fallback;
}

struct Writer {
    PROCESS_INFORMATION process{};
    Writer(const Install& install, uint64_t first_step, const std::wstring& event, bool once) {
        SetEnvironmentVariableW(L"APPDATA", install.appdata.c_str());
        const std::wstring exe = build_folder() + L"\\tests\\settings_writer.exe";
        std::wstring line = L"\"" + exe + L"\" " + std::to_wstring(first_step) + L" " + event + (once ? L" once" : L"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    }
    ~Writer() {
        if (!process.hProcess) return;
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
};

std::optional<uint64_t> step_of(const std::string& text) {
    const Settings parsed = parse_settings(text);
    if (parsed.compress.rfind("step=", 0) != 0) return std::nullopt;
    const uint64_t step = std::strtoull(parsed.compress.c_str() + 5, nullptr, 10);
    if (format_settings(settings_step(step)) != text) return std::nullopt;
    return step;
}

size_t temporaries(const Install& install) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(install.settings_file()).parent_path()))
        if (entry.path().extension() == L".tmp") ++count;
    return count;
}

TEST(SettingsKill, EveryKillLeavesAWholeFileAndTheNextSaveRemovesStaleTemporaries) {
    const Install install = Install::make("");
    const uint64_t trials = setting("TARNWICK_KILL_TRIALS", 40);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(setting("TARNWICK_KILL_SECONDS", 240));
    const std::wstring event_name = L"Local\\tarnwick-kill-test-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE started = CreateEventW(nullptr, TRUE, FALSE, event_name.c_str());
    ASSERT_NE(started, nullptr);
    std::mt19937 random(12345);

    {
        Writer first(install, 0, event_name, true);
        WaitForSingleObject(first.process.hProcess, 20000);
    }
    uint64_t last = 0, run = 0, torn = 0, lost = 0, advanced = 0;
    for (; run < trials && std::chrono::steady_clock::now() < deadline; ++run) {
        ResetEvent(started);
        {
            Writer writer(install, last + 1, event_name, false);
            ASSERT_EQ(WaitForSingleObject(started, 20000), WAIT_OBJECT_0) << "trial " << run;
            // From right after the first save to a few dozen saves later.
            const auto spin = std::chrono::microseconds(random() % 20000);
            const auto until = std::chrono::steady_clock::now() + spin;
            while (std::chrono::steady_clock::now() < until) {
            }
        }  // killed here
        const auto text = install.read_settings();
        const auto step = text ? step_of(*text) : std::nullopt;
        if (!text || text->empty()) {
            ++lost;
            ADD_FAILURE() << "trial " << run << ": no settings file";
            continue;
        }
        if (!step || *step < last) {
            ++torn;
            ADD_FAILURE() << "trial " << run << ": not a file the writer wrote after step " << last << ":\n" << *text;
            continue;
        }
        SetEnvironmentVariableW(L"APPDATA", install.appdata.c_str());
        EXPECT_EQ(format_settings(load_settings()), *text) << "trial " << run;
        if (*step > last) ++advanced;
        last = *step;
    }
    std::printf(
        "[kill during write] %llu trials, %llu torn, %llu lost, %llu kills after a newer save; %zu "
        "temporary files left by killed writers\n",
        static_cast<unsigned long long>(run), static_cast<unsigned long long>(torn),
        static_cast<unsigned long long>(lost), static_cast<unsigned long long>(advanced), temporaries(install));
    EXPECT_GT(run, 0u);

    {
        Writer next(install, last + 1, event_name, true);
        WaitForSingleObject(next.process.hProcess, 20000);
    }
    EXPECT_EQ(step_of(install.read_settings().value_or("")), last + 1);
    EXPECT_EQ(temporaries(install), 0u);
    CloseHandle(started);
}

}  // namespace
