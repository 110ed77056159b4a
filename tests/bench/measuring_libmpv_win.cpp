// The benchmark's libmpv-2.dll: placed beside the program in place of the real library, which sits
// next to it renamed libmpv-2-real.dll. Every entry point the program does not need to watch is a
// forwarder in measuring_libmpv.def and costs nothing; the calls below are timed or counted and then
// passed on unchanged.
//
// TARNWICK_BENCH_LOG     the report's path (a Windows path); nothing is written when unset
// TARNWICK_BENCH_SECONDS the measuring window after the first frame (default 15)
//
// Start-up is timed at mpv_create, loadfile, FILE_LOADED, the next mpv_wait_event after it (what the
// program does with a loaded file delays its window) and the first frame, with the CPU times of the
// process and of the user-interface thread from loadfile to the first frame.
// At the first MPV_EVENT_PLAYBACK_RESTART a thread samples the CPU times and counters, sleeps for
// the window, samples again and writes the report (bench_report.h) in one piece, so a reader never
// sees half of it. The thread that called mpv_create is taken as the user-interface thread. When
// the process has a window of class "TarnwickLight.Bar", its WM_PAINT messages are counted, and so
// are the changes of what it shows from the "time-pos" reports: the whole second, and the pixel the
// seek bar's fill ends at for the bar's width at the start of the window.
// All of this is of the first core the process creates, the one that plays; a later core (the seek
// bar's pictures) passes through unwatched.
//
// TARNWICK_BENCH_COUNTERS a file (a Windows path) that gets the playing core's dropped frames and the
//                         process's CPU time four times a second from its first frame on:
//                         "frame-drop-count N", "decoder-frame-drop-count N" (totals over files and
//                         loops), "cpu-seconds S" and "at-seconds S" (the performance counter's)
//                         lines, each write whole (Wine tells another process no CPU times)
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>

#include "bench_report.h"
#include "mpv/client.h"
#include "ui/bar/bar_layout.h"

namespace {

struct RealApi {
    decltype(&mpv_create) create;
    decltype(&mpv_initialize) initialize;
    decltype(&mpv_command) command;
    decltype(&mpv_command_async) command_async;
    decltype(&mpv_command_string) command_string;
    decltype(&mpv_wait_event) wait_event;
    decltype(&mpv_set_wakeup_callback) set_wakeup_callback;
    decltype(&mpv_terminate_destroy) terminate_destroy;
    decltype(&mpv_get_property) get_property;
};

// One playing core per process is all the benchmark watches, so plain process-wide state will do.
RealApi g_real{};
std::atomic<mpv_handle*> g_main{nullptr};
uint64_t g_process_start = 0;  // FILETIME
HANDLE g_ui_thread = nullptr;
double g_create_ms = -1, g_loadfile_ms = -1, g_file_loaded_ms = -1, g_file_loaded_handled_ms = -1,
       g_first_frame_ms = -1;
double g_ui_cpu_to_first_frame = 0, g_ui_cpu_at_loadfile = -1, g_cpu_at_loadfile = 0, g_cpu_loading = 0;
uint64_t g_first_frame_time = 0;
bool g_file_loaded_returned = false;  // the last event handed out was the first FILE_LOADED
std::atomic<uint64_t> g_wakeups{0}, g_waits{0}, g_events{0}, g_bar_paints{0};
void (*g_wakeup_callback)(void*) = nullptr;
WNDPROC g_bar_procedure = nullptr;
HWND g_bar = nullptr;
// Read and written on the user-interface thread (in mpv_wait_event), but for the seek bar's width.
double g_duration = 0;
int64_t g_shown_second = INT64_MIN;
int64_t g_shown_pixel = -1;
std::atomic<int32_t> g_seek_width{0};
std::atomic<uint64_t> g_bar_changes{0};
std::thread g_sampler;
std::thread g_counter_writer;
std::atomic<bool> g_main_ending{false};

uint64_t as_u64(FILETIME time) { return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

uint64_t now_filetime() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return as_u64(now);
}

double ms_since_start() { return static_cast<double>(now_filetime() - g_process_start) / 10000.0; }

void mark(double& slot) {
    if (slot < 0) slot = ms_since_start();
}

// Kernel plus user time in seconds.
double cpu_seconds(FILETIME kernel, FILETIME user) { return static_cast<double>(as_u64(kernel) + as_u64(user)) / 1e7; }

double process_cpu() {
    FILETIME creation, exit, kernel, user;
    return GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user) ? cpu_seconds(kernel, user) : 0;
}

double ui_thread_cpu() {
    FILETIME creation, exit, kernel, user;
    return g_ui_thread && GetThreadTimes(g_ui_thread, &creation, &exit, &kernel, &user) ? cpu_seconds(kernel, user) : 0;
}

std::wstring environment(const wchar_t* name) {
    wchar_t buffer[32768];
    const DWORD length = GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
    return length > 0 && length < std::size(buffer) ? std::wstring(buffer, length) : std::wstring();
}

bool write_whole(const std::wstring& path, const std::string& text) {
    const std::wstring partial = path + L".partial";
    const HANDLE file =
        CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size() && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Wine leaves PrivateUsage at 0; the committed private pages are what Windows counts there.
uint64_t committed_private_bytes() {
    uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

double performance_seconds() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void sample_window(double window_s) {
    const std::wstring path = environment(L"TARNWICK_BENCH_LOG");
    const double start_s = performance_seconds();
    const double cpu0 = process_cpu(), ui0 = ui_thread_cpu();
    if (g_bar) {
        RECT client{};
        GetClientRect(g_bar, &client);
        const BarRect seek = compute_bar_layout(GetDpiForWindow(g_bar), client.right, client.bottom).seek_rect;
        g_seek_width = seek.right - seek.left;
    }
    const uint64_t wakeups0 = g_wakeups, waits0 = g_waits, events0 = g_events, paints0 = g_bar_paints;
    const uint64_t changes0 = g_bar_changes;

    Sleep(static_cast<DWORD>(window_s * 1000));

    RunReport report;
    report.window_s = performance_seconds() - start_s;
    report.cpu_s = process_cpu() - cpu0;
    report.ui_cpu_s = ui_thread_cpu() - ui0;
    report.wakeups = g_wakeups - wakeups0;
    report.waits = g_waits - waits0;
    report.events = g_events - events0;
    report.bar_paints = g_bar_paints - paints0;
    report.bar_changes = g_bar_changes - changes0;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        report.peak_working_set = memory.PeakWorkingSetSize;
        report.private_bytes = memory.PrivateUsage;
    }
    if (report.private_bytes == 0) report.private_bytes = committed_private_bytes();
    // Written on the user-interface thread before this thread started.
    report.create_ms = g_create_ms;
    report.loadfile_ms = g_loadfile_ms;
    report.file_loaded_ms = g_file_loaded_ms;
    report.first_frame_ms = g_first_frame_ms;
    report.file_loaded_handled_ms = g_file_loaded_handled_ms;
    report.ui_cpu_to_first_frame_s = g_ui_cpu_to_first_frame;
    report.ui_cpu_loading_s = g_ui_cpu_to_first_frame - g_ui_cpu_at_loadfile;
    report.cpu_loading_s = g_cpu_loading;
    report.first_frame_time = g_first_frame_time;
    if (!path.empty()) write_whole(path, format_run_report(report));
}

void start_sampler() {
    const std::wstring text = environment(L"TARNWICK_BENCH_SECONDS");
    double window_s = text.empty() ? 15 : _wtof(text.c_str());
    if (!(window_s > 0)) window_s = 15;
    g_sampler = std::thread(sample_window, window_s);
}

// A counter of the core that starts again from 0 (a new file, a loop of the same one) adds on.
struct RunningTotal {
    int64_t last = 0;
    int64_t total = 0;
    void add(int64_t now) {
        total += now >= last ? now - last : now;
        last = now;
    }
};

void write_counters(std::wstring path) {
    RunningTotal dropped, decoder_dropped;
    while (!g_main_ending) {
        int64_t value = 0;
        if (g_real.get_property(g_main, "frame-drop-count", MPV_FORMAT_INT64, &value) >= 0) dropped.add(value);
        value = 0;
        if (g_real.get_property(g_main, "decoder-frame-drop-count", MPV_FORMAT_INT64, &value) >= 0)
            decoder_dropped.add(value);
        write_whole(path, "frame-drop-count " + std::to_string(dropped.total) + "\ndecoder-frame-drop-count " +
                              std::to_string(decoder_dropped.total) + "\ncpu-seconds " + std::to_string(process_cpu()) +
                              "\nat-seconds " + std::to_string(performance_seconds()) + "\n");
        Sleep(250);
    }
}

void start_counter_writer() {
    const std::wstring path = environment(L"TARNWICK_BENCH_COUNTERS");
    if (!path.empty()) g_counter_writer = std::thread(write_counters, path);
}

LRESULT CALLBACK counting_bar_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) ++g_bar_paints;
    return CallWindowProcW(g_bar_procedure, window, message, wparam, lparam);
}

BOOL CALLBACK subclass_bar(HWND top_level, LPARAM) {
    const HWND bar = FindWindowExW(top_level, nullptr, L"TarnwickLight.Bar", nullptr);
    if (!bar) return TRUE;
    g_bar = bar;
    g_bar_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&counting_bar_procedure)));
    return FALSE;
}

void counting_wakeup(void* data) {
    ++g_wakeups;
    if (g_wakeup_callback) g_wakeup_callback(data);
}

// Counts a change when the whole second or the fill's last pixel moves (the fill: position /
// duration of the seek bar's width, clamped, as the bar draws it).
void note_position(const mpv_event_property& property) {
    if (property.format != MPV_FORMAT_DOUBLE || !property.data || !property.name) return;
    const double value = *static_cast<const double*>(property.data);
    if (std::strcmp(property.name, "duration") == 0) g_duration = value;
    if (std::strcmp(property.name, "time-pos") != 0 || !std::isfinite(value)) return;
    const auto second = static_cast<int64_t>(std::floor(value));
    const double fraction = g_duration > 0 ? std::clamp(value / g_duration, 0.0, 1.0) : 0;
    const auto pixel = static_cast<int64_t>(fraction * g_seek_width);
    if (second == g_shown_second && pixel == g_shown_pixel) return;
    g_shown_second = second;
    g_shown_pixel = pixel;
    if (g_bar) ++g_bar_changes;
}

// The loadfile mark, with the CPU times at that moment: what loading costs is counted from here.
void mark_loadfile() {
    if (g_loadfile_ms >= 0) return;
    mark(g_loadfile_ms);
    g_ui_cpu_at_loadfile = ui_thread_cpu();
    g_cpu_at_loadfile = process_cpu();
}

bool is_loadfile(const char* name) { return name && std::strcmp(name, "loadfile") == 0; }

template <typename Fn>
void resolve(HMODULE library, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

bool load_real() {
    if (g_real.create) return true;
    const HMODULE library = LoadLibraryW(L"libmpv-2-real.dll");
    if (!library) return false;
    resolve(library, "mpv_create", g_real.create);
    resolve(library, "mpv_initialize", g_real.initialize);
    resolve(library, "mpv_command", g_real.command);
    resolve(library, "mpv_command_async", g_real.command_async);
    resolve(library, "mpv_command_string", g_real.command_string);
    resolve(library, "mpv_wait_event", g_real.wait_event);
    resolve(library, "mpv_set_wakeup_callback", g_real.set_wakeup_callback);
    resolve(library, "mpv_terminate_destroy", g_real.terminate_destroy);
    resolve(library, "mpv_get_property", g_real.get_property);
    return g_real.create && g_real.initialize && g_real.command && g_real.command_async && g_real.command_string &&
           g_real.wait_event && g_real.set_wakeup_callback && g_real.terminate_destroy && g_real.get_property;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        FILETIME creation, exit, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
        g_process_start = as_u64(creation);
    }
    return TRUE;
}

__declspec(dllexport) mpv_handle* mpv_create() {
    if (g_main) return g_real.create();
    mark(g_create_ms);
    if (!load_real()) return nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &g_ui_thread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    mpv_handle* handle = g_real.create();
    g_main = handle;
    return handle;
}

__declspec(dllexport) int mpv_initialize(mpv_handle* handle) {
    // The program's windows exist by now; the bar is one of this thread's.
    if (handle == g_main) EnumThreadWindows(GetCurrentThreadId(), subclass_bar, 0);
    return g_real.initialize(handle);
}

__declspec(dllexport) int mpv_command(mpv_handle* handle, const char** args) {
    if (handle == g_main && args && is_loadfile(args[0])) mark_loadfile();
    return g_real.command(handle, args);
}

__declspec(dllexport) int mpv_command_async(mpv_handle* handle, uint64_t reply, const char** args) {
    if (handle == g_main && args && is_loadfile(args[0])) mark_loadfile();
    return g_real.command_async(handle, reply, args);
}

__declspec(dllexport) int mpv_command_string(mpv_handle* handle, const char* line) {
    if (handle == g_main && line && std::strncmp(line, "loadfile ", 9) == 0) mark_loadfile();
    return g_real.command_string(handle, line);
}

__declspec(dllexport) mpv_event* mpv_wait_event(mpv_handle* handle, double timeout) {
    if (handle != g_main) return g_real.wait_event(handle, timeout);
    ++g_waits;
    if (g_file_loaded_returned) {
        g_file_loaded_returned = false;
        mark(g_file_loaded_handled_ms);
    }
    mpv_event* event = g_real.wait_event(handle, timeout);
    if (!event || event->event_id == MPV_EVENT_NONE) return event;
    ++g_events;
    if (event->event_id == MPV_EVENT_PROPERTY_CHANGE && event->data)
        note_position(*static_cast<const mpv_event_property*>(event->data));
    if (event->event_id == MPV_EVENT_FILE_LOADED && g_file_loaded_ms < 0) {
        mark(g_file_loaded_ms);
        g_file_loaded_returned = true;
    }
    if (event->event_id == MPV_EVENT_PLAYBACK_RESTART && g_first_frame_ms < 0) {
        g_first_frame_time = now_filetime();
        g_first_frame_ms = static_cast<double>(g_first_frame_time - g_process_start) / 10000.0;
        g_ui_cpu_to_first_frame = ui_thread_cpu();
        if (g_ui_cpu_at_loadfile < 0) g_ui_cpu_at_loadfile = g_ui_cpu_to_first_frame;
        g_cpu_loading = process_cpu() - g_cpu_at_loadfile;
        start_sampler();
        start_counter_writer();
    }
    return event;
}

__declspec(dllexport) void mpv_set_wakeup_callback(mpv_handle* handle, void (*callback)(void*), void* data) {
    if (handle != g_main) return g_real.set_wakeup_callback(handle, callback, data);
    g_wakeup_callback = callback;
    g_real.set_wakeup_callback(handle, callback ? counting_wakeup : nullptr, data);
}

__declspec(dllexport) void mpv_terminate_destroy(mpv_handle* handle) {
    if (handle != g_main) return g_real.terminate_destroy(handle);
    g_main_ending = true;
    if (g_counter_writer.joinable()) g_counter_writer.join();
    g_real.terminate_destroy(handle);
    // A close before the window ended waits for the report rather than leaving it unwritten.
    if (g_sampler.joinable()) g_sampler.join();
}

}  // extern "C"
