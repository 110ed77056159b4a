// Runs the player and the bare host alternately on the same clip, in the same Wine prefix and
// wineserver, and prints the comparison. Each side has the measuring libmpv-2.dll beside it, which
// writes one report per run (bench_report.h); this program starts each run, waits for the report,
// closes the window as its close button would and waits for the process to end.
//
//   bench_run --player EXE --host EXE --clip FILE --work DIR
//             [--options TEXT] [--runs N] [--warmup N] [--seconds S]
//
// --options goes to the host; the player reads the same text from its settings file, which the
// caller prepares. Exits 1 when a run fails (no report, or a window that would not close).
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/wide_win.h"
#include "bench_process_win.h"
#include "bench_report.h"
#include "support/temp_appdata_win.h"

namespace {

struct Options {
    std::wstring player, host, clip, work, mpv_options;
    int runs = 10;
    int warmup = 1;
    double seconds = 15;
};

struct Side {
    const char* name;
    std::wstring exe;
    std::wstring arguments;
    bool clears_resume_points;
};

uint64_t now_filetime() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return (uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
}

// A resumed run would start with a seek: every player run starts from the beginning.
void clear_resume_points() {
    wchar_t appdata[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const std::wstring folder = std::wstring(appdata, length) + L"\\Tarnwick Light\\watch_later\\";
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool nothing_to_paint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetUpdateRect(child, nullptr, FALSE)) return false;
    return true;
}

// When the process's main window was first visible with nothing left to paint in it or its
// children (FILETIME), polled every millisecond or so; 0 when that did not happen before the
// process ended or `timeout_ms` passed.
uint64_t wait_window_painted(const PROCESS_INFORMATION& process, DWORD timeout_ms) {
    const DWORD deadline = GetTickCount() + timeout_ms;
    HWND window = nullptr;
    while (static_cast<int32_t>(deadline - GetTickCount()) > 0) {
        if (!window) window = process_main_window(process.dwProcessId);
        if (window && IsWindowVisible(window) && nothing_to_paint(window)) return now_filetime();
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) return 0;
    }
    return 0;
}

uint64_t creation_filetime(HANDLE process) {
    FILETIME creation, exit, kernel, user;
    if (!GetProcessTimes(process, &creation, &exit, &kernel, &user)) return 0;
    return (uint64_t{creation.dwHighDateTime} << 32) | creation.dwLowDateTime;
}

std::optional<RunSample> run_once(const Side& side, const Options& options, const std::wstring& report_path) {
    DeleteFileW(report_path.c_str());
    if (side.clears_resume_points) clear_resume_points();
    SetEnvironmentVariableW(L"TARNWICK_BENCH_LOG", report_path.c_str());

    std::wstring command_line = quoted(side.exe) + L" " + side.arguments;
    const size_t slash = side.exe.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : side.exe.substr(0, slash);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const uint64_t launched = now_filetime();
    if (!CreateProcessW(side.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::fprintf(stderr, "bench_run: cannot start %s (error %lu)\n", narrow(side.exe).c_str(), GetLastError());
        return std::nullopt;
    }

    const uint64_t painted = wait_window_painted(process, 60000);
    const uint64_t created = creation_filetime(process.hProcess);

    // Start-up, the window and some slack: a loaded machine under Wine can be slow to start.
    const DWORD deadline = GetTickCount() + static_cast<DWORD>((options.seconds + 120) * 1000);
    std::optional<RunReport> report;
    while (!report && static_cast<int32_t>(deadline - GetTickCount()) > 0) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
        if (const auto text = read_file(narrow(report_path))) report = parse_run_report(*text);
    }
    if (!report) std::fprintf(stderr, "bench_run: %s wrote no complete report\n", side.name);
    const bool closed = close_and_wait(process);
    if (!closed) std::fprintf(stderr, "bench_run: %s did not end after WM_CLOSE; killed\n", side.name);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!report || !closed) return std::nullopt;

    RunSample sample;
    sample.report = *report;
    sample.launch_to_first_frame_ms = static_cast<double>(report->first_frame_time - launched) / 10000.0;
    if (painted && created && painted > created)
        sample.window_painted_ms = static_cast<double>(painted - created) / 10000.0;
    std::printf(
        "  %-9s window painted %5.0f ms, first frame %7.0f ms after start, %7.0f ms after CreateProcess; "
        "CPU %.3f s/s\n",
        side.name, sample.window_painted_ms, report->first_frame_ms, sample.launch_to_first_frame_ms,
        report->cpu_s / report->window_s);
    std::fflush(stdout);
    return sample;
}

std::optional<Options> parse_arguments() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    Options options;
    bool ok = true;
    for (int i = 1; i < count; ++i) {
        const std::wstring name = args[i];
        if (i + 1 >= count) {
            ok = false;
            break;
        }
        const std::wstring value = args[++i];
        if (name == L"--player")
            options.player = value;
        else if (name == L"--host")
            options.host = value;
        else if (name == L"--clip")
            options.clip = value;
        else if (name == L"--work")
            options.work = value;
        else if (name == L"--options")
            options.mpv_options = value;
        else if (name == L"--runs")
            options.runs = _wtoi(value.c_str());
        else if (name == L"--warmup")
            options.warmup = _wtoi(value.c_str());
        else if (name == L"--seconds")
            options.seconds = _wtof(value.c_str());
        else
            ok = false;
    }
    LocalFree(args);
    if (!ok || options.player.empty() || options.host.empty() || options.clip.empty() || options.work.empty() ||
        options.runs < 1 || options.warmup < 0 || !(options.seconds > 0))
        return std::nullopt;
    return options;
}

}  // namespace

int wmain() {
    const auto options = parse_arguments();
    if (!options) {
        std::fprintf(stderr,
                     "usage: bench_run --player EXE --host EXE --clip FILE --work DIR [--options TEXT] [--runs N] "
                     "[--warmup N] [--seconds S]\n");
        return 2;
    }
    SetEnvironmentVariableW(L"TARNWICK_BENCH_SECONDS", std::to_wstring(options->seconds).c_str());
    const Side player{"player", options->player, quoted(options->clip), true};
    const Side host{"bare host", options->host,
                    L"--options " + quoted(options->mpv_options) + L" " + quoted(options->clip), false};

    int failures = 0;
    std::vector<RunSample> player_runs, host_runs;
    auto run = [&](const Side& side, const std::wstring& tag, std::vector<RunSample>* keep) {
        const auto sample = run_once(side, *options, options->work + L"\\" + tag + L".txt");
        if (!sample) ++failures;
        if (sample && keep) keep->push_back(*sample);
        return sample.has_value();
    };
    for (int i = 0; i < options->warmup; ++i) {
        std::printf("warm-up %d\n", i + 1);
        run(player, L"warmup-player-" + std::to_wstring(i + 1), nullptr);
        run(host, L"warmup-host-" + std::to_wstring(i + 1), nullptr);
    }
    // A pair counts only when both of its runs completed, so ratios always compare neighbours. The
    // side that starts a pair alternates (player first, then host first, ...): whatever the run
    // before leaves behind in Wine and the X server falls on both sides alike.
    for (int i = 0; i < options->runs; ++i) {
        std::printf("pair %d of %d\n", i + 1, options->runs);
        std::vector<RunSample> a, b;
        const std::wstring number = std::to_wstring(i + 1);
        bool player_ok = false, host_ok = false;
        if (i % 2 == 0) {
            player_ok = run(player, L"player-" + number, &a);
            host_ok = run(host, L"host-" + number, &b);
        } else {
            host_ok = run(host, L"host-" + number, &b);
            player_ok = run(player, L"player-" + number, &a);
        }
        if (player_ok && host_ok) {
            player_runs.push_back(a.front());
            host_runs.push_back(b.front());
        }
    }

    const auto rows = summarize(player_runs, host_runs);
    std::printf("\n%zu pairs, %.0f s measured from the first frame of each run\n\n%s", player_runs.size(),
                options->seconds, format_summary(rows, check_goals(rows)).c_str());
    if (failures) std::printf("\n%d run(s) failed\n", failures);
    std::fflush(stdout);
    return failures || player_runs.empty() ? 1 : 0;
}
