// A stand-in libmpv-2.dll for black-box tests of the player under Wine. It logs
// every call it receives, answers property reads from a file the test controls,
// and delivers events the test appends to another file, calling the wake-up
// callback from its own thread the way libmpv does.
//
// Directory: the environment variable TARNWICK_FAKE_DIR (a Windows path), read
// again on every call. When it is unset or empty nothing is logged, every
// property is unavailable and every command succeeds.
//
// calls.log — one line per call, appended and closed at once (so it can be read
// or deleted while the player runs), UTF-8, fields separated by TAB. The first
// field is the function name without "mpv_". Strings are written as passed,
// except that TAB, CR, LF and backslash become \t \r \n \\ . Formats and ids are
// the numbers the caller passed.
//   create
//   initialize
//   set_option_string  name  value
//   command            arg0  arg1 ...
//   command_async      reply_id  arg0  arg1 ...
//   command_string     line
//   set_property_async reply_id  name  format  value
//       value: flag as the int passed (0/1), double as %.17g (nan, inf, -inf),
//       int64 in decimal, string as passed; "(null)" for a null pointer,
//       "?" for formats not modelled here
//   get_property       name  format
//   observe_property   reply_id  name  format
//   set_wakeup_callback
//   destroy-sent  answered|unanswered   the program's answer to the message that
//                      send-while-destroying sends from mpv_terminate_destroy
//   destroy-blocked    block-in-destroy: mpv_terminate_destroy will not return
//   terminate_destroy  outstanding=N
//       N: strings handed out by mpv_get_property and not yet given to mpv_free
//   calls  N  W        after terminate_destroy, in the fault mode only: the calls
//                      counted for fail-after, and the number of the first
//                      mpv_wait_event among them (0: none)
//   free                (a string this library handed out)
//   free  null          (mpv_free(NULL), a no-op)
//   free  unknown       (a pointer this library never handed out; not released)
//   event  id                          delivered by mpv_wait_event
//   event  7  reason                   end of file
//
// attached.log — the id of each process that loaded this library, one a line, written
// when it is loaded (so a program that never loads it leaves no line).
//   event  22  reply_id  name  format  value   property change (value empty for
//                                      format 0; a bare `raw 22` logs just event 22)
//   inbox-error  line                  an inbox.txt line that did not parse
// mpv_wait_event calls that return MPV_EVENT_NONE are not logged.
//
// properties.txt — read again on every mpv_get_property and mpv_command call.
//   name TAB value       answer for mpv_get_property; the value may be empty and
//                        may contain \xNN byte escapes (any other backslash is
//                        literal); a later line for the same name wins
//   !status TAB command TAB N   mpv_command whose first argument is `command`
//                        returns N (default 0)
//   Lines without a TAB are ignored. A missing name answers
//   MPV_ERROR_PROPERTY_UNAVAILABLE (-10). STRING (and OSD_STRING) answer a
//   malloc'd copy to be released with mpv_free; INT64 and DOUBLE must parse
//   completely (DOUBLE also takes nan, inf, -inf), otherwise
//   MPV_ERROR_PROPERTY_FORMAT (-9); FLAG is 1 for "yes" or "1", else 0. Other
//   formats answer -9. mpv_command_string, the async calls, mpv_set_option_string
//   and mpv_observe_property always return 0.
//   Replace the file by renaming a complete one into place, so that a read never
//   sees half of it.
//
// inbox.txt — polled every 20 ms by a thread that mpv_set_wakeup_callback starts.
// It reads from where it stopped (from the start of the file the first time;
// again from the start if the file shrank) and only takes complete lines ending
// in LF; CR before LF and empty lines are ignored. Each event is queued and then
// the wake-up callback is called once.
//   file-loaded                            MPV_EVENT_FILE_LOADED
//   end-file  reason                       MPV_EVENT_END_FILE; error is -13 when
//                                          reason is 4 (error), else 0
//   property  reply_id  name  format  value   MPV_EVENT_PROPERTY_CHANGE; format is
//                                          none, flag, double, string or int64
//                                          (none: data NULL, value omitted or
//                                          ignored); value as in properties.txt
//   shutdown                               MPV_EVENT_SHUTDOWN
//   raw  event_id                          that id, no data, reply id 0
//   wake  N                                call the callback N times, no event
//   sleep  ms                              pause before the following lines
//
// mpv_set_wakeup_callback also calls the new callback once at once on the
// caller's thread, as libmpv does, so events queued before it are not missed.
// mpv_wait_event pops one event; with an empty queue it waits at most `timeout`
// seconds (0: not at all; negative: until an event arrives) and then returns a
// MPV_EVENT_NONE record. A returned record and its data stay valid until the next
// mpv_wait_event call on that handle.
//
// faults.txt — the fault mode (see FaultPlan in fake_protocol.h), read once by
// mpv_create. A failing call is logged as usual with "fault" TAB the function
// TAB what it did, and then fails in one of the ways libmpv can: a negative
// status, a string that is NULL or not UTF-8, a double that is NaN, infinite or
// huge, an int64 at its limits, a format error; a failing mpv_wait_event returns
// an event the player never asked for (an unknown id, end of file before any
// start, a property change for an unknown reply id or in another format, a
// shutdown in the middle of playback, events without their data).
//
// Handles: calls on the second and later handles mpv_create made are logged with "#N" TAB first
// (N counts handles from 1, so "#2\tcreate" is the second). Such a handle stands in for a core that
// only renders pictures (the software render API, also exported): its loadfile (at the "start" set
// before it) and each seek make one frame after "preview-delay-ms" (a properties.txt value, default
// 0), one at a time; its render update callback then reports MPV_RENDER_UPDATE_FRAME, and
// mpv_render_context_render fills the caller's bgr0 pixels with preview_colour(that second) and
// queues MPV_EVENT_PLAYBACK_RESTART. With "preview-fails" set, its loadfile ends in an error instead.
//   render_context_create   render_context_render  width  height  format
//   render_context_free
//
// Build variants (one DLL each): FAKE_MPV_NO_MPV_FREE leaves mpv_free out of
// the exports, FAKE_MPV_CREATE_NULL makes mpv_create return NULL and
// FAKE_MPV_INIT_FAILS makes mpv_initialize return -5.
#include "fake_protocol.h"

#include <mpv/render.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_set>
#include <utility>

using namespace fake_mpv;

struct mpv_render_context;

struct mpv_handle {
    int number = 1;  // in the order of mpv_create
    std::mutex mutex;
    std::condition_variable event_ready;
    std::condition_variable stop_requested;
    bool stopping = false;
    std::deque<QueuedEvent> queue;
    void (*wakeup)(void*) = nullptr;
    void* wakeup_data = nullptr;
    std::thread poller;

    // The record mpv_wait_event returned last, with everything it points to.
    QueuedEvent current;
    mpv_event current_event{};
    mpv_event_end_file current_end_file{};
    mpv_event_property current_property{};
    char* current_text = nullptr;

    // A picture-only core's decodes: the seconds asked for, the frame made and not rendered yet.
    std::string start = "0";
    std::deque<int64_t> decodes;
    std::optional<int64_t> frame;
    std::condition_variable decode_asked;
    std::thread decoder;
    mpv_render_context* render = nullptr;
};

struct mpv_render_context {
    mpv_handle* handle = nullptr;
    void (*update)(void*) = nullptr;
    void* update_data = nullptr;
};

namespace {

// mpv_free gets no handle, so the strings handed out and the log lock are
// process-wide, like libmpv's allocator.
struct ModuleState {
    std::mutex log_mutex;
    std::mutex strings_mutex;
    std::unordered_set<void*> strings;
    FaultPlan faults;         // written by mpv_create before any other call can run
    bool fault_mode = false;  // faults.txt was there
    std::atomic<uint64_t> calls{0};
    std::atomic<uint64_t> first_wait{0};         // the number of the first mpv_wait_event call
    std::atomic<intptr_t> wid{0};                // the "wid" option: the program's video window
    std::atomic<int> handles{0};                 // made by mpv_create
    std::atomic<HANDLE> destroy_stuck{nullptr};  // never set: what a blocked destroy holds
};

ModuleState& module_state() {
    static ModuleState state;
    return state;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::optional<std::wstring> fake_dir() {
    DWORD size = GetEnvironmentVariableW(L"TARNWICK_FAKE_DIR", nullptr, 0);
    if (size <= 1) return std::nullopt;
    std::wstring dir(size, L'\0');
    DWORD length = GetEnvironmentVariableW(L"TARNWICK_FAKE_DIR", dir.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    dir.resize(length);
    return dir;
}

std::wstring path_in(std::wstring dir, const wchar_t* name) {
    if (dir.back() != L'\\' && dir.back() != L'/') dir += L'\\';
    return dir + name;
}

// The test may hold a file open while it rewrites it; a sharing violation is
// waited out for up to half a second instead of being taken as "no file".
HANDLE open_shared(const std::wstring& path, DWORD access, DWORD disposition) {
    for (int attempt = 0;; ++attempt) {
        HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION || attempt == 50) {
            return handle;
        }
        Sleep(10);
    }
}

bool read_all(HANDLE file, std::string& out, size_t size) {
    out.resize(size);
    size_t done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1 << 20));
        DWORD got = 0;
        if (!ReadFile(file, out.data() + done, chunk, &got, nullptr) || got == 0) break;
        done += got;
    }
    out.resize(done);
    return done == size;
}

std::optional<std::string> read_file(const std::wstring& path) {
    FileHandle file(open_shared(path, GENERIC_READ, OPEN_EXISTING));
    if (!file.valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::string content;
    read_all(file.get(), content, static_cast<size_t>(size.QuadPart));
    return content;
}

void write_log(std::string line) {
    std::optional<std::wstring> dir = fake_dir();
    if (!dir) return;
    line += '\n';
    std::lock_guard<std::mutex> lock(module_state().log_mutex);
    FileHandle file(open_shared(path_in(*dir, L"calls.log"), FILE_APPEND_DATA, OPEN_ALWAYS));
    if (!file.valid()) return;
    DWORD written = 0;
    WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// A call on a later handle says which.
void write_log(const mpv_handle* handle, std::string line) {
    if (handle && handle->number > 1) line = "#" + std::to_string(handle->number) + "\t" + line;
    write_log(std::move(line));
}

PropertyFile load_properties() {
    std::optional<std::wstring> dir = fake_dir();
    if (!dir) return {};
    std::optional<std::string> content = read_file(path_in(*dir, L"properties.txt"));
    return content ? parse_property_file(*content) : PropertyFile{};
}

std::string join_args(std::string line, const char** args) {
    for (; args && *args; ++args) line += "\t" + escape_field(*args);
    return line;
}

std::string text_or_null(const char* text) { return text ? escape_field(text) : "(null)"; }

mpv_event* present(mpv_handle* handle, QueuedEvent event) {
    handle->current = std::move(event);
    const QueuedEvent& current = handle->current;
    handle->current_event = {};
    handle->current_event.event_id = current.id;
    handle->current_event.reply_userdata = current.reply_id;
    if (current.id == MPV_EVENT_END_FILE) {
        handle->current_end_file = {};
        handle->current_end_file.reason = static_cast<mpv_end_file_reason>(current.end_reason);
        handle->current_end_file.error = current.end_reason == MPV_END_FILE_REASON_ERROR ? MPV_ERROR_LOADING_FAILED : 0;
        handle->current_event.data = &handle->current_end_file;
    } else if (current.has_property) {
        Value& value = handle->current.value;
        mpv_event_property& property = handle->current_property;
        property.name = current.property_name.c_str();
        property.format = value.format;
        switch (value.format) {
            case MPV_FORMAT_FLAG:
                property.data = &value.flag;
                break;
            case MPV_FORMAT_INT64:
                property.data = &value.int64;
                break;
            case MPV_FORMAT_DOUBLE:
                property.data = &value.number;
                break;
            case MPV_FORMAT_STRING:
                handle->current_text = value.text.data();
                property.data = &handle->current_text;
                break;
            default:
                property.data = nullptr;
        }
        handle->current_event.data = &property;
    }
    return &handle->current_event;
}

// Calls the callback outside the handle's lock: the player's callback only posts
// a message, but a callback that called back into this library must not deadlock.
void call_wakeup(mpv_handle* handle, int64_t times) {
    void (*callback)(void*) = nullptr;
    void* data = nullptr;
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        callback = handle->wakeup;
        data = handle->wakeup_data;
    }
    for (int64_t i = 0; callback && i < times; ++i) callback(data);
}

void pin_module();

void queue_event(mpv_handle* handle, QueuedEvent event) {
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->queue.push_back(std::move(event));
    }
    handle->event_ready.notify_all();
    call_wakeup(handle, 1);
}

int64_t property_number(std::string_view name) {
    const PropertyFile properties = load_properties();
    const auto found = properties.values.find(name);
    return found == properties.values.end() ? 0 : std::strtoll(found->second.c_str(), nullptr, 10);
}

// A picture-only core's decoder: one frame a request, each after the delay the test asks for.
void decode_frames(mpv_handle* handle) {
    for (;;) {
        int64_t second = 0;
        {
            std::unique_lock<std::mutex> lock(handle->mutex);
            handle->decode_asked.wait(lock, [handle] { return !handle->decodes.empty() || handle->stopping; });
            if (handle->stopping) return;
            second = handle->decodes.front();
            handle->decodes.pop_front();
        }
        if (const int64_t delay = property_number("preview-delay-ms"); delay > 0) Sleep(static_cast<DWORD>(delay));
        void (*update)(void*) = nullptr;
        void* data = nullptr;
        {
            std::lock_guard<std::mutex> lock(handle->mutex);
            handle->frame = second;
            if (handle->render) {
                update = handle->render->update;
                data = handle->render->update_data;
            }
        }
        if (update) update(data);
    }
}

void ask_decode(mpv_handle* handle, int64_t second) {
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->decodes.push_back(second);
        if (!handle->decoder.joinable()) {
            pin_module();
            handle->decoder = std::thread(decode_frames, handle);
        }
    }
    handle->decode_asked.notify_one();
}

void picture_core_command(mpv_handle* handle, const char** args) {
    const std::string_view name = args[0];
    if (name == "loadfile") {
        if (load_properties().values.count("preview-fails")) {
            QueuedEvent end;
            end.id = MPV_EVENT_END_FILE;
            end.end_reason = MPV_END_FILE_REASON_ERROR;
            return queue_event(handle, std::move(end));
        }
        QueuedEvent loaded;
        loaded.id = MPV_EVENT_FILE_LOADED;
        queue_event(handle, std::move(loaded));
        ask_decode(handle, std::strtoll(handle->start.c_str(), nullptr, 10));
    } else if (name == "seek" && args[1]) {
        ask_decode(handle, std::strtoll(args[1], nullptr, 10));
    }
}

// Returns false when the handle is being destroyed.
bool run_inbox_line(mpv_handle* handle, std::string_view line) {
    std::optional<InboxLine> parsed = parse_inbox_line(line);
    if (!parsed) {
        write_log("inbox-error\t" + escape_field(line));
        return true;
    }
    switch (parsed->kind) {
        case InboxLine::Kind::event:
            queue_event(handle, std::move(parsed->event));
            return true;
        case InboxLine::Kind::wake:
            call_wakeup(handle, parsed->count);
            return true;
        case InboxLine::Kind::sleep: {
            std::unique_lock<std::mutex> lock(handle->mutex);
            return !handle->stop_requested.wait_for(lock, std::chrono::milliseconds(parsed->count),
                                                    [handle] { return handle->stopping; });
        }
    }
    return true;
}

// Reads the complete lines appended to inbox.txt since `offset` and advances it.
bool read_inbox(mpv_handle* handle, uint64_t& offset) {
    std::optional<std::wstring> dir = fake_dir();
    if (!dir) return true;
    std::string chunk;
    {
        FileHandle file(open_shared(path_in(*dir, L"inbox.txt"), GENERIC_READ, OPEN_EXISTING));
        if (!file.valid()) return true;
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.get(), &size)) return true;
        uint64_t end = static_cast<uint64_t>(size.QuadPart);
        if (end < offset) offset = 0;
        if (end == offset) return true;
        LARGE_INTEGER start{};
        start.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN)) return true;
        read_all(file.get(), chunk, static_cast<size_t>(end - offset));
    }
    size_t complete = chunk.rfind('\n');
    if (complete == std::string::npos) return true;
    offset += complete + 1;
    std::string_view rest(chunk.data(), complete + 1);
    while (!rest.empty()) {
        size_t newline = rest.find('\n');
        std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (!run_inbox_line(handle, line)) return false;
    }
    return true;
}

void poll_inbox(mpv_handle* handle) {
    uint64_t offset = 0;
    for (;;) {
        if (!read_inbox(handle, offset)) return;
        std::unique_lock<std::mutex> lock(handle->mutex);
        if (handle->stop_requested.wait_for(lock, std::chrono::milliseconds(20),
                                            [handle] { return handle->stopping; })) {
            return;
        }
    }
}

// The poller runs this library's code until mpv_terminate_destroy joins it. At
// process exit Windows ends it before the library is detached, and nothing owns
// it in a static destructor, so a player that never destroys the handle still
// exits. Pinning keeps a FreeLibrary from unmapping code the thread is running.
void pin_module() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&poll_inbox), &self);
}

void load_faults() {
    std::optional<std::wstring> dir = fake_dir();
    std::optional<std::string> content = dir ? read_file(path_in(*dir, L"faults.txt")) : std::nullopt;
    module_state().faults = content ? parse_fault_file(*content) : FaultPlan{};
    module_state().fault_mode = content.has_value();
}

// Counts the call; when it is one that must fail, returns the roll that picks how.
std::optional<uint64_t> fault(const char* function) {
    ModuleState& state = module_state();
    const uint64_t n = ++state.calls;
    uint64_t none = 0;
    if (std::strcmp(function, "wait_event") == 0) state.first_wait.compare_exchange_strong(none, n);
    const FaultPlan& plan = state.faults;
    const uint64_t first_wait = state.first_wait;
    const bool failing = (plan.fail_after && n > *plan.fail_after) ||
                         (plan.fail_after_wait && first_wait != 0 && n >= first_wait + *plan.fail_after_wait);
    if (!failing) return std::nullopt;
    const uint64_t roll = fault_roll(state.faults.seed, n);
    write_log(std::string("fault\t") + function + "\t" + std::to_string(roll % 1000));
    return roll;
}

int fault_status(uint64_t roll) { return -1 - static_cast<int>(roll % 20); }

char* hand_out(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.c_str(), text.size() + 1);
    ModuleState& state = module_state();
    std::lock_guard<std::mutex> lock(state.strings_mutex);
    state.strings.insert(copy);
    return copy;
}

// A failing property read: an error, or "success" with a value no real property has.
int faulty_property(uint64_t roll, mpv_format format, void* data) {
    static const double kDoubles[] = {NAN, INFINITY, -INFINITY, 1e308, -1e308, -0.0, 5e-324};
    static const int64_t kInts[] = {INT64_MIN, INT64_MAX, -1, 1LL << 40};
    const uint64_t pick = roll >> 8;
    if (roll % 4 == 0 || !data) return roll % 8 == 0 ? MPV_ERROR_PROPERTY_FORMAT : fault_status(roll);
    switch (format) {
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING:
            *static_cast<char**>(data) = pick % 2 ? nullptr : hand_out("\xFF\xC0\xED\xA0\x80x\xE2\x82");
            return 0;
        case MPV_FORMAT_FLAG:
            *static_cast<int*>(data) = pick % 2 ? -1 : 2;
            return 0;
        case MPV_FORMAT_INT64:
            *static_cast<int64_t*>(data) = kInts[pick % 4];
            return 0;
        case MPV_FORMAT_DOUBLE:
            *static_cast<double*>(data) = kDoubles[pick % 7];
            return 0;
        default:
            return MPV_ERROR_PROPERTY_FORMAT;
    }
}

// An event the player did not ask for, built in the handle's record like a real one.
mpv_event* faulty_event(mpv_handle* handle, uint64_t roll) {
    static const double kDoubles[] = {NAN, INFINITY, -1, 1e308, 0, 3.5};
    static const int kIds[] = {MPV_EVENT_FILE_LOADED,
                               MPV_EVENT_END_FILE,
                               MPV_EVENT_PROPERTY_CHANGE,
                               MPV_EVENT_PROPERTY_CHANGE,
                               MPV_EVENT_SHUTDOWN,
                               MPV_EVENT_START_FILE,
                               2,
                               999};
    const uint64_t pick = roll >> 8;
    handle->current = QueuedEvent{};
    handle->current_event = {};
    // A flood is a core that never stops reporting, so it never shuts down either.
    int id = kIds[pick % 8];
    if (id == MPV_EVENT_SHUTDOWN && module_state().faults.flood) id = MPV_EVENT_PROPERTY_CHANGE;
    std::memcpy(&handle->current_event.event_id, &id, sizeof id);
    handle->current_event.reply_userdata = (pick >> 3) % 12;
    const bool with_data = (pick >> 7) % 5 != 0;
    if (id == MPV_EVENT_END_FILE && with_data) {
        handle->current_end_file = {};
        const int reason = static_cast<int>((pick >> 10) % 7);
        std::memcpy(&handle->current_end_file.reason, &reason, sizeof reason);
        handle->current_event.data = &handle->current_end_file;
    } else if (id == MPV_EVENT_PROPERTY_CHANGE && with_data) {
        mpv_event_property& property = handle->current_property;
        Value& value = handle->current.value;
        property.name = "";
        property.data = nullptr;
        switch ((pick >> 10) % 5) {
            case 0:
                value.format = MPV_FORMAT_DOUBLE;
                value.number = kDoubles[(pick >> 13) % 6];
                property.data = &value.number;
                break;
            case 1:
                value.format = MPV_FORMAT_FLAG;
                value.flag = static_cast<int>((pick >> 13) % 3) - 1;
                property.data = &value.flag;
                break;
            case 2:
                value.format = MPV_FORMAT_INT64;
                value.int64 = INT64_MIN;
                property.data = &value.int64;
                break;
            case 3:
                value.format = MPV_FORMAT_STRING;
                value.text = "\xFFno\xC3";
                handle->current_text = value.text.data();
                property.data = &handle->current_text;
                break;
            default:
                value.format = MPV_FORMAT_NONE;
        }
        property.format = value.format;
        handle->current_event.data = &property;
    }
    write_log("fault-event\t" + std::to_string(id) + "\t" + std::to_string(handle->current_event.reply_userdata));
    return &handle->current_event;
}

}  // namespace

unsigned long mpv_client_api_version(void) { return MPV_CLIENT_API_VERSION; }

const char* mpv_error_string(int error) {
    static const char* const texts[] = {
        "success",
        "event queue full",
        "memory allocation failed",
        "core not uninitialized",
        "invalid parameter",
        "option not found",
        "unsupported format for accessing option",
        "error setting option",
        "property not found",
        "unsupported format for accessing property",
        "property unavailable",
        "error accessing property",
        "error running command",
        "loading failed",
        "audio output initialization failed",
        "video output initialization failed",
        "no audio or video data played",
        "unrecognized file format",
        "not supported",
        "operation not implemented",
        "something happened",
    };
    int index = -error;
    if (index < 0 || index >= static_cast<int>(sizeof texts / sizeof texts[0])) return "unknown error";
    return texts[index];
}

void mpv_free_node_contents(mpv_node*) {}

mpv_handle* mpv_create(void) {
    const int number = ++module_state().handles;
    write_log(number > 1 ? "#" + std::to_string(number) + "\tcreate" : "create");
    load_faults();
    if (fault("create")) return nullptr;
#ifdef FAKE_MPV_CREATE_NULL
    return nullptr;
#else
    auto* handle = new mpv_handle;
    handle->number = number;
    return handle;
#endif
}

int mpv_initialize(mpv_handle* handle) {
    write_log(handle, "initialize");
    if (const auto roll = fault("initialize")) return fault_status(*roll);
#ifdef FAKE_MPV_INIT_FAILS
    return MPV_ERROR_OPTION_NOT_FOUND;
#else
    return 0;
#endif
}

int mpv_set_option_string(mpv_handle* handle, const char* name, const char* data) {
    write_log(handle, "set_option_string\t" + text_or_null(name) + "\t" + text_or_null(data));
    if (name && data && std::strcmp(name, "wid") == 0) module_state().wid = std::strtoll(data, nullptr, 10);
    if (const auto roll = fault("set_option_string")) return fault_status(*roll);
    return 0;
}

int mpv_command(mpv_handle*, const char** args) {
    write_log(join_args("command", args));
    if (const auto roll = fault("command")) return fault_status(*roll);
    if (!args || !args[0]) return 0;
    PropertyFile properties = load_properties();
    auto status = properties.command_statuses.find(std::string_view(args[0]));
    return status == properties.command_statuses.end() ? 0 : status->second;
}

int mpv_command_async(mpv_handle* handle, uint64_t reply_userdata, const char** args) {
    write_log(handle, join_args("command_async\t" + std::to_string(reply_userdata), args));
    if (const auto roll = fault("command_async")) return fault_status(*roll);
    if (handle && handle->number > 1 && args && args[0]) picture_core_command(handle, args);
    return 0;
}

int mpv_command_string(mpv_handle*, const char* args) {
    write_log("command_string\t" + text_or_null(args));
    if (const auto roll = fault("command_string")) return fault_status(*roll);
    return 0;
}

int mpv_set_property_async(mpv_handle* handle, uint64_t reply_userdata, const char* name, mpv_format format,
                           void* data) {
    if (handle && name && data && format == MPV_FORMAT_STRING && std::strcmp(name, "start") == 0)
        handle->start = *static_cast<char**>(data);
    write_log(handle, "set_property_async\t" + std::to_string(reply_userdata) + "\t" + text_or_null(name) + "\t" +
                          std::to_string(static_cast<int>(format)) + "\t" + format_raw_value(format, data));
    if (const auto roll = fault("set_property_async")) return fault_status(*roll);
    return 0;
}

int mpv_get_property(mpv_handle*, const char* name, mpv_format format, void* data) {
    write_log("get_property\t" + text_or_null(name) + "\t" + std::to_string(static_cast<int>(format)));
    if (const auto roll = fault("get_property")) return faulty_property(*roll, format, data);
    if (!name) return MPV_ERROR_INVALID_PARAMETER;
    PropertyFile properties = load_properties();
    auto found = properties.values.find(std::string_view(name));
    if (found == properties.values.end()) return MPV_ERROR_PROPERTY_UNAVAILABLE;
    if (format == MPV_FORMAT_NONE) return MPV_ERROR_PROPERTY_FORMAT;
    std::optional<Value> value = parse_value(format, found->second);
    if (!value) return MPV_ERROR_PROPERTY_FORMAT;
    if (!data) return MPV_ERROR_INVALID_PARAMETER;
    switch (format) {
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING: {
            char* copy = static_cast<char*>(std::malloc(value->text.size() + 1));
            if (!copy) return MPV_ERROR_NOMEM;
            std::memcpy(copy, value->text.c_str(), value->text.size() + 1);
            {
                ModuleState& state = module_state();
                std::lock_guard<std::mutex> lock(state.strings_mutex);
                state.strings.insert(copy);
            }
            *static_cast<char**>(data) = copy;
            return 0;
        }
        case MPV_FORMAT_FLAG:
            *static_cast<int*>(data) = value->flag;
            return 0;
        case MPV_FORMAT_INT64:
            *static_cast<int64_t*>(data) = value->int64;
            return 0;
        case MPV_FORMAT_DOUBLE:
            *static_cast<double*>(data) = value->number;
            return 0;
        default:
            return MPV_ERROR_PROPERTY_FORMAT;
    }
}

int mpv_observe_property(mpv_handle*, uint64_t reply_userdata, const char* name, mpv_format format) {
    write_log("observe_property\t" + std::to_string(reply_userdata) + "\t" + text_or_null(name) + "\t" +
              std::to_string(static_cast<int>(format)));
    if (const auto roll = fault("observe_property")) return fault_status(*roll);
    return 0;
}

void mpv_set_wakeup_callback(mpv_handle* handle, void (*cb)(void* d), void* d) {
    write_log(handle, "set_wakeup_callback");
    if (!handle) return;
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->wakeup = cb;
        handle->wakeup_data = d;
        if (!handle->poller.joinable() && handle->number == 1) {  // the inbox is the first core's
            pin_module();
            handle->poller = std::thread(poll_inbox, handle);
        }
    }
    if (cb) cb(d);
}

mpv_event* mpv_wait_event(mpv_handle* handle, double timeout) {
    if (!handle) {
        static mpv_event none{};
        none = {};
        return &none;
    }
    if (const auto roll = fault("wait_event")) {
        // Half the failing waits report an empty queue, so the player's pump ends, unless the
        // plan floods it.
        if (module_state().faults.flood || *roll % 2) {
            std::lock_guard<std::mutex> lock(handle->mutex);
            return faulty_event(handle, *roll);
        }
    }
    std::unique_lock<std::mutex> lock(handle->mutex);
    auto ready = [handle] { return !handle->queue.empty() || handle->stopping; };
    if (timeout > 0) {
        double micros = std::ceil(std::min(timeout, 1e6) * 1e6);
        handle->event_ready.wait_for(lock, std::chrono::microseconds(static_cast<int64_t>(micros)), ready);
    } else if (timeout < 0) {
        handle->event_ready.wait(lock, ready);
    }
    if (handle->queue.empty()) return present(handle, QueuedEvent{});
    QueuedEvent event = std::move(handle->queue.front());
    handle->queue.pop_front();
    mpv_event* record = present(handle, std::move(event));
    lock.unlock();
    write_log(handle, event_log_line(handle->current));
    return record;
}

void mpv_terminate_destroy(mpv_handle* handle) {
    if (module_state().faults.block_in_destroy) {
        write_log("destroy-blocked");
        const HANDLE stuck = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        module_state().destroy_stuck = stuck;
        WaitForSingleObject(stuck, INFINITE);
    }
    bool poller_is_caller = false;
    const int64_t late_wake_ups = module_state().faults.wake_after_destroy;
    if (handle && late_wake_ups > 0) {
        void (*callback)(void*) = nullptr;
        void* data = nullptr;
        {
            std::lock_guard<std::mutex> lock(handle->mutex);
            callback = handle->wakeup;
            data = handle->wakeup_data;
        }
        // libmpv may still be finishing a wake-up on one of its threads when destroy returns.
        if (callback) {
            std::thread([callback, data, late_wake_ups] {
                for (int64_t i = 0; i < late_wake_ups; ++i) {
                    callback(data);
                    Sleep(1);
                }
            }).detach();
        }
    }
    // libmpv's window thread, ending the video window it made inside the program's, may send the
    // program's windows a message, and waits for the answer.
    if (module_state().faults.send_while_destroying && module_state().wid) {
        const HWND video = reinterpret_cast<HWND>(module_state().wid.load());
        std::thread([video] {
            DWORD_PTR result = 0;
            const bool answered =
                SendMessageTimeoutW(GetAncestor(video, GA_ROOT), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result) != 0;
            write_log(std::string("destroy-sent\t") + (answered ? "answered" : "unanswered"));
        }).join();
    }
    if (handle) {
        {
            std::lock_guard<std::mutex> lock(handle->mutex);
            handle->stopping = true;
        }
        handle->stop_requested.notify_all();
        handle->event_ready.notify_all();
        handle->decode_asked.notify_all();
        if (handle->decoder.joinable()) handle->decoder.join();
        if (handle->poller.joinable()) {
            // Called from inside the wake-up callback, the poller cannot join itself.
            poller_is_caller = handle->poller.get_id() == std::this_thread::get_id();
            if (poller_is_caller) {
                handle->poller.detach();
            } else {
                handle->poller.join();
            }
        }
    }
    size_t outstanding = 0;
    {
        ModuleState& state = module_state();
        std::lock_guard<std::mutex> lock(state.strings_mutex);
        outstanding = state.strings.size();
    }
    write_log(handle, "terminate_destroy\toutstanding=" + std::to_string(outstanding));
    if (module_state().fault_mode)
        write_log("calls\t" + std::to_string(module_state().calls) + "\t" + std::to_string(module_state().first_wait));
    // A poller that destroyed its own handle still reads it on the way out, so
    // that handle is leaked rather than freed under it.
    if (!poller_is_caller) delete handle;
}

int mpv_render_context_create(mpv_render_context** made, mpv_handle* handle, mpv_render_param*) {
    write_log(handle, "render_context_create");
    if (!made || !handle) return MPV_ERROR_INVALID_PARAMETER;
    auto* render = new mpv_render_context;
    render->handle = handle;
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        handle->render = render;
    }
    *made = render;
    return 0;
}

void mpv_render_context_set_update_callback(mpv_render_context* render, mpv_render_update_fn callback, void* data) {
    if (!render) return;
    std::lock_guard<std::mutex> lock(render->handle->mutex);
    render->update = callback;
    render->update_data = data;
}

uint64_t mpv_render_context_update(mpv_render_context* render) {
    if (!render) return 0;
    std::lock_guard<std::mutex> lock(render->handle->mutex);
    return render->handle->frame ? MPV_RENDER_UPDATE_FRAME : 0;
}

int mpv_render_context_render(mpv_render_context* render, mpv_render_param* params) {
    if (!render) return MPV_ERROR_INVALID_PARAMETER;
    const int* size = nullptr;
    const char* format = nullptr;
    const size_t* stride = nullptr;
    char* pixels = nullptr;
    for (; params && params->type != MPV_RENDER_PARAM_INVALID; ++params) {
        if (params->type == MPV_RENDER_PARAM_SW_SIZE) size = static_cast<const int*>(params->data);
        if (params->type == MPV_RENDER_PARAM_SW_FORMAT) format = static_cast<const char*>(params->data);
        if (params->type == MPV_RENDER_PARAM_SW_STRIDE) stride = static_cast<const size_t*>(params->data);
        if (params->type == MPV_RENDER_PARAM_SW_POINTER) pixels = static_cast<char*>(params->data);
    }
    mpv_handle* handle = render->handle;
    std::optional<int64_t> frame;
    {
        std::lock_guard<std::mutex> lock(handle->mutex);
        frame = std::exchange(handle->frame, std::nullopt);
    }
    write_log(handle, "render_context_render\t" +
                          (size ? std::to_string(size[0]) + "\t" + std::to_string(size[1]) : "?") + "\t" +
                          text_or_null(format) + "\t" + (frame ? std::to_string(*frame) : "none"));
    if (!size || !stride || !pixels) return MPV_ERROR_INVALID_PARAMETER;
    const uint32_t colour = preview_colour(frame.value_or(-1));
    for (int y = 0; y < size[1]; ++y)
        for (int x = 0; x < size[0]; ++x) std::memcpy(pixels + y * *stride + x * sizeof colour, &colour, sizeof colour);
    if (frame) {
        QueuedEvent restart;
        restart.id = MPV_EVENT_PLAYBACK_RESTART;
        queue_event(handle, std::move(restart));
    }
    return 0;
}

void mpv_render_context_free(mpv_render_context* render) {
    if (!render) return;
    write_log(render->handle, "render_context_free");
    {
        std::lock_guard<std::mutex> lock(render->handle->mutex);
        render->handle->render = nullptr;
    }
    delete render;
}

#ifndef FAKE_MPV_NO_MPV_FREE
void mpv_free(void* data) {
    if (!data) {
        write_log("free\tnull");
        return;
    }
    bool known = false;
    {
        ModuleState& state = module_state();
        std::lock_guard<std::mutex> lock(state.strings_mutex);
        known = state.strings.erase(data) > 0;
    }
    write_log(known ? "free" : "free\tunknown");
    if (known) std::free(data);
}
#endif

// At the process's exit (reserved is not null) after a destroy that never returned, the detach waits
// for what that destroy holds, as libmpv's can wait for a lock that a thread ExitProcess killed still
// held: only TerminateProcess gets past it.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (const auto dir = fake_dir()) {
            FileHandle file(open_shared(path_in(*dir, L"attached.log"), FILE_APPEND_DATA, OPEN_ALWAYS));
            const std::string line = std::to_string(GetCurrentProcessId()) + "\n";
            DWORD written = 0;
            if (file.valid()) WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        }
    }
    if (reason == DLL_PROCESS_DETACH && reserved && module_state().destroy_stuck)
        WaitForSingleObject(module_state().destroy_stuck, INFINITE);
    return TRUE;
}
