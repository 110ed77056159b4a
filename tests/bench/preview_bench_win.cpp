// The seek bar's pictures, measured with the real library: starts the program on a clip (looping, so
// that it never ends) with the measuring libmpv-2.dll beside it, and once it plays
//   1. S seconds (10 by default) with the pointer off the window: the process's CPU per second and the playing core's
//      dropped frames, and its working set;
//   2. the pointer set down on N places of the seek bar in a shuffled order, each timed from the
//      pointer stopping there to the popup's picture of that place painted on the screen (the popup
//      is black from its new time until that picture is there);
//   3. S seconds of the pointer sweeping along the seek bar: CPU and dropped frames again;
//   4. S seconds off the window again: CPU;
//   5. the next file handed to the window (a second start of the program, as Explorer's does),
//      and after S seconds of it the working set: the pictures' core has gone with the first file.
// A control run does 1 and 5 only, with no pointer on the seek bar, for the working set that step 5
// must come back to.
//
//   preview_bench --player EXE --clip FILE --next FILE --work DIR [--positions N] [--seconds S]
//
// Prints the figures and the goals; exits 1 when a run fails (no window, no playback, a window that
// would not close), never for a missed goal.
// clang-format off
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
// clang-format on

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "base/wide_win.h"
#include "bench_process_win.h"
#include "support/temp_appdata_win.h"
#include "ui/bar/bar_layout.h"

namespace {

struct Options {
    std::wstring player, clip, next, work;
    int positions = 32;
    double seconds = 10;
    DWORD phase_ms() const { return static_cast<DWORD>(seconds * 1000); }
};

// Of the playing program, as the measuring library last wrote it (four times a second), but the working set.
struct Sample {
    double wall_s = 0;
    double cpu_s = 0;
    int64_t dropped = 0;
    int64_t decoder_dropped = 0;
    uint64_t working_set = 0;
};

struct Player {
    PROCESS_INFORMATION process{};
    HWND main = nullptr;
    std::wstring counters;
};

double seconds_now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS memory_of(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    return memory;
}

double counter(const std::string& text, const std::string& name) {
    const size_t at = text.find(name + " ");
    return at == std::string::npos ? 0 : std::strtod(text.c_str() + at + name.size() + 1, nullptr);
}

Sample sample(const Player& player) {
    Sample s;
    const std::string text = read_file(narrow(player.counters)).value_or("");
    s.wall_s = counter(text, "at-seconds");
    s.cpu_s = counter(text, "cpu-seconds");
    s.dropped = static_cast<int64_t>(counter(text, "frame-drop-count"));
    s.decoder_dropped = static_cast<int64_t>(counter(text, "decoder-frame-drop-count"));
    s.working_set = memory_of(player.process.hProcess).WorkingSetSize;
    return s;
}

// A player core runs threads of its own; they go with it.
int thread_count(DWORD process_id) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == process_id;
    CloseHandle(snapshot);
    return count;
}

double cpu_per_second(const Sample& from, const Sample& to) {
    return (to.cpu_s - from.cpu_s) / (to.wall_s - from.wall_s);
}

bool start_program(const Options& options, const std::wstring& file, PROCESS_INFORMATION& process) {
    std::wstring command_line = quoted(options.player) + L" " + quoted(file);
    const std::wstring folder = options.player.substr(0, options.player.find_last_of(L"\\/"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(options.player.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process) != FALSE;
}

// Playing once the measuring library writes the dropped frames, which it starts at the first frame.
bool wait_playing(const Player& player, DWORD timeout_ms) {
    const DWORD deadline = GetTickCount() + timeout_ms;
    while (static_cast<int32_t>(deadline - GetTickCount()) > 0) {
        if (read_file(narrow(player.counters))) return true;
        if (WaitForSingleObject(player.process.hProcess, 100) == WAIT_OBJECT_0) return false;
    }
    return false;
}

std::optional<Player> launch(const Options& options, const std::wstring& tag) {
    Player player;
    player.counters = options.work + L"\\" + tag + L"-counters.txt";
    DeleteFileW(player.counters.c_str());
    SetEnvironmentVariableW(L"TARNWICK_BENCH_COUNTERS", player.counters.c_str());
    if (!start_program(options, options.clip, player.process)) return std::nullopt;
    const DWORD deadline = GetTickCount() + 60000;
    while (!(player.main = process_main_window(player.process.dwProcessId)) &&
           static_cast<int32_t>(deadline - GetTickCount()) > 0)
        Sleep(100);
    if (!player.main || !wait_playing(player, 60000)) {
        std::fprintf(stderr, "preview_bench: %s: no window or no playback\n", narrow(tag).c_str());
        TerminateProcess(player.process.hProcess, 1);
        return std::nullopt;
    }
    return player;
}

bool close_player(const Player& player) {
    const bool closed = close_and_wait(player.process);
    CloseHandle(player.process.hThread);
    CloseHandle(player.process.hProcess);
    return closed;
}

// Hands the next file to the running window, the way a second start of the program does, and lets
// it play for a phase.
bool hand_over_next(const Options& options, const Player& player) {
    PROCESS_INFORMATION second{};
    if (!start_program(options, options.next, second)) return false;
    const bool ended = WaitForSingleObject(second.hProcess, 30000) == WAIT_OBJECT_0;
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    Sleep(options.phase_ms());
    return ended && WaitForSingleObject(player.process.hProcess, 0) == WAIT_TIMEOUT;
}

void pointer_off(const Player& player) {
    RECT window{};
    GetWindowRect(player.main, &window);
    SetCursorPos(window.right + 20, window.top + 20);
}

// The seek bar on the screen: its left and right ends and the bar's middle row.
struct SeekLine {
    LONG left = 0, right = 0, y = 0;
    LONG at(double fraction) const { return left + std::lround(fraction * (right - left)); }
};

SeekLine seek_line(HWND main) {
    const HWND bar = FindWindowExW(main, nullptr, L"TarnwickLight.Bar", nullptr);
    RECT client{};
    GetClientRect(bar, &client);
    const BarRect seek = compute_bar_layout(GetDpiForWindow(bar), client.right, client.bottom).seek_rect;
    POINT left{seek.left, client.bottom / 2}, right{seek.right, client.bottom / 2};
    ClientToScreen(bar, &left);
    ClientToScreen(bar, &right);
    return SeekLine{left.x, right.x, left.y};
}

enum class Seen { nothing, black, picture };

// Nine pixels inside the picture, which stands above the time; the placeholder is pure black.
Seen look(HWND popup) {
    RECT r{};
    if (!popup || !IsWindowVisible(popup) || !GetWindowRect(popup, &r)) return Seen::nothing;
    const LONG height = r.bottom - r.top;
    if (height < 60) return Seen::nothing;  // the time alone: no room for a picture yet
    const HDC screen = GetDC(nullptr);
    bool lit = false;
    for (const double down : {0.2, 0.4, 0.6})
        for (const LONG across : {-40, 0, 40}) {
            const COLORREF pixel =
                GetPixel(screen, (r.left + r.right) / 2 + across, r.top + static_cast<LONG>(down * height));
            lit = lit || (pixel != 0 && pixel != CLR_INVALID);
        }
    ReleaseDC(nullptr, screen);
    return lit ? Seen::picture : Seen::black;
}

std::wstring text_of(HWND window) {
    wchar_t text[64] = L"";
    if (window) InternalGetWindowText(window, text, 64);
    return text;
}

// From the pointer set down at x to the picture of its time on the screen; nothing after `limit_s`.
std::optional<double> time_to_picture(const SeekLine& line, LONG x, double limit_s) {
    const HWND before = FindWindowExW(nullptr, nullptr, L"TarnwickLight.SeekPreview", nullptr);
    const std::wstring old_text = text_of(before);
    const double start = seconds_now();
    SetCursorPos(x, line.y);
    bool black = false;
    while (seconds_now() - start < limit_s) {
        const HWND popup = FindWindowExW(nullptr, nullptr, L"TarnwickLight.SeekPreview", nullptr);
        const Seen seen = look(popup);
        if (text_of(popup) != old_text && seen == Seen::black) black = true;
        if (black && seen == Seen::picture) return (seconds_now() - start) * 1000;
        Sleep(1);
    }
    return std::nullopt;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(rank, values.size() - 1)];
}

const char* goal(bool met) { return met ? "met" : "MISSED"; }

double mib(double bytes) { return bytes / (1024.0 * 1024.0); }

bool activate(const Player& player) {
    SetForegroundWindow(player.main);
    for (int i = 0; i < 50 && GetForegroundWindow() != player.main; ++i) Sleep(100);
    return GetForegroundWindow() == player.main;
}

struct Figures {
    double first_picture_ms = -1;
    std::vector<double> latencies;
    int misses = 0;
    Sample idle_start, idle_end, sweep_start, sweep_end, after_start, after_end;
    uint64_t highest_working_set = 0;
    uint64_t peak_before = 0, peak_after = 0;
    uint64_t after_next = 0;
    int threads_before = 0, threads_with_pictures = 0, threads_after_next = 0;
};

bool measure(const Options& options, Figures& f) {
    const auto player = launch(options, L"preview");
    if (!player) return false;
    pointer_off(*player);
    activate(*player);
    f.idle_start = sample(*player);
    Sleep(options.phase_ms());
    f.idle_end = sample(*player);
    f.peak_before = memory_of(player->process.hProcess).PeakWorkingSetSize;
    f.threads_before = thread_count(player->process.dwProcessId);

    const SeekLine line = seek_line(player->main);
    // Every place once after the first, which also starts the pictures' core, each about half the
    // bar away from the one before.
    const int n = options.positions;
    int stride = n / 2 + 1;
    while (std::gcd(stride, n) != 1) ++stride;
    for (int i = 0; i <= n; ++i) {
        const int place = (i * stride) % n;
        // The first also waits for the core to start, on a machine that may be busy.
        const auto ms = time_to_picture(line, line.at((place + 0.5) / n), i == 0 ? 20 : 5);
        if (i == 0)
            f.first_picture_ms = ms.value_or(-1);
        else if (ms)
            f.latencies.push_back(*ms);
        else
            ++f.misses;
        f.highest_working_set = std::max<uint64_t>(f.highest_working_set, sample(*player).working_set);
        Sleep(150);
    }

    f.sweep_start = sample(*player);
    LONG x = line.left + 5, step = 5;
    for (const double end = seconds_now() + options.seconds; seconds_now() < end; Sleep(16)) {
        if (x + step < line.left + 5 || x + step > line.right - 5) step = -step;
        x += step;
        SetCursorPos(x, line.y);
    }
    f.sweep_end = sample(*player);
    f.highest_working_set = std::max<uint64_t>(f.highest_working_set, f.sweep_end.working_set);
    f.peak_after = memory_of(player->process.hProcess).PeakWorkingSetSize;
    f.threads_with_pictures = thread_count(player->process.dwProcessId);

    pointer_off(*player);
    f.after_start = sample(*player);
    Sleep(options.phase_ms());
    f.after_end = sample(*player);

    const bool handed = hand_over_next(options, *player);
    f.after_next = memory_of(player->process.hProcess).WorkingSetSize;
    f.threads_after_next = thread_count(player->process.dwProcessId);
    return close_player(*player) && handed && f.first_picture_ms >= 0;
}

std::optional<uint64_t> control_run(const Options& options) {
    const auto player = launch(options, L"control");
    if (!player) return std::nullopt;
    pointer_off(*player);
    Sleep(options.phase_ms());
    const bool handed = hand_over_next(options, *player);
    const uint64_t after_next = memory_of(player->process.hProcess).WorkingSetSize;
    if (!close_player(*player) || !handed) return std::nullopt;
    return after_next;
}

void report(const Options& options, const Figures& f, uint64_t control_after_next) {
    const double median = percentile(f.latencies, 0.5), p95 = percentile(f.latencies, 0.95);
    std::printf("first picture, the pictures' core started by it: %.0f ms\n", f.first_picture_ms);
    std::printf(
        "pointer stopped to picture painted, %zu places: median %.0f ms, 95th percentile %.0f ms, "
        "max %.0f ms, %d without a picture in 5 s  [goal 120 / 250 ms: %s]\n",
        f.latencies.size(), median, p95, percentile(f.latencies, 1.0), f.misses,
        goal(f.misses == 0 && median <= 120 && p95 <= 250));
    const double idle = cpu_per_second(f.idle_start, f.idle_end);
    const double sweeping = cpu_per_second(f.sweep_start, f.sweep_end);
    const double after = cpu_per_second(f.after_start, f.after_end);
    std::printf(
        "CPU per second: pointer off %.3f, sweeping the seek bar %.3f (%+.0f %%), off again %.3f  "
        "[goal at most +20 %%: %s]\n",
        idle, sweeping, 100 * (sweeping / idle - 1), after, goal(sweeping <= idle * 1.2));
    const auto dropped = [](const Sample& from, const Sample& to) {
        return static_cast<long long>(to.dropped - from.dropped);
    };
    const auto decoder_dropped = [](const Sample& from, const Sample& to) {
        return static_cast<long long>(to.decoder_dropped - from.decoder_dropped);
    };
    std::printf(
        "dropped frames in %.0f s (frame-drop-count, decoder-frame-drop-count): pointer off %lld, %lld; "
        "sweeping %lld, %lld  [goal no more while sweeping: %s]\n",
        options.seconds, dropped(f.idle_start, f.idle_end), decoder_dropped(f.idle_start, f.idle_end),
        dropped(f.sweep_start, f.sweep_end), decoder_dropped(f.sweep_start, f.sweep_end),
        goal(dropped(f.sweep_start, f.sweep_end) <= dropped(f.idle_start, f.idle_end) &&
             decoder_dropped(f.sweep_start, f.sweep_end) <= decoder_dropped(f.idle_start, f.idle_end)));
    const double added = mib(static_cast<double>(f.highest_working_set) - static_cast<double>(f.idle_end.working_set));
    std::printf(
        "working set: %.0f MiB before the first picture, at most %.0f MiB while pictures were made "
        "(%+.0f MiB), peak %.0f -> %.0f MiB  [goal at most +40 MiB: %s]\n",
        mib(static_cast<double>(f.idle_end.working_set)), mib(static_cast<double>(f.highest_working_set)), added,
        mib(static_cast<double>(f.peak_before)), mib(static_cast<double>(f.peak_after)),
        goal(added <= 40 && mib(static_cast<double>(f.peak_after) - static_cast<double>(f.peak_before)) <= 40));
    const double kept = mib(static_cast<double>(f.after_next) - static_cast<double>(control_after_next));
    std::printf(
        "working set %.0f s into the next file: %.0f MiB, %.0f MiB in a run without pictures (%+.0f MiB)  "
        "[goal given back: %s]\n",
        options.seconds, mib(static_cast<double>(f.after_next)), mib(static_cast<double>(control_after_next)), kept,
        goal(kept <= 8));
    std::printf(
        "threads of the program: %d before the first picture, %d with the pictures' core, %d in the next file\n",
        f.threads_before, f.threads_with_pictures, f.threads_after_next);
}

std::optional<Options> parse_arguments() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    Options options;
    bool ok = count % 2 == 1;
    for (int i = 1; ok && i + 1 < count; i += 2) {
        const std::wstring name = args[i], value = args[i + 1];
        if (name == L"--player")
            options.player = value;
        else if (name == L"--clip")
            options.clip = value;
        else if (name == L"--next")
            options.next = value;
        else if (name == L"--work")
            options.work = value;
        else if (name == L"--positions")
            options.positions = _wtoi(value.c_str());
        else if (name == L"--seconds")
            options.seconds = _wtof(value.c_str());
        else
            ok = false;
    }
    LocalFree(args);
    if (!ok || options.player.empty() || options.clip.empty() || options.next.empty() || options.work.empty() ||
        options.positions < 2 || !(options.seconds > 0))
        return std::nullopt;
    return options;
}

}  // namespace

int wmain() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const auto options = parse_arguments();
    if (!options) {
        std::fprintf(
            stderr,
            "usage: preview_bench --player EXE --clip FILE --next FILE --work DIR [--positions N] [--seconds S]\n");
        return 2;
    }
    const auto control = control_run(*options);
    Figures figures;
    const bool measured = control && measure(*options, figures);
    if (!measured) {
        std::fprintf(stderr, "preview_bench: a run failed\n");
        return 1;
    }
    report(*options, figures, *control);
    std::fflush(stdout);
    return 0;
}
