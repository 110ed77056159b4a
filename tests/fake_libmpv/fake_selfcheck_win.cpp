// Checks the fake libmpv-2.dll builds against the protocol the black-box tests
// rely on (described at the top of fake_libmpv_win.cpp). It loads each variant
// from <folder of this exe>\<variant>\libmpv-2.dll, drives it through a scratch
// folder whose name is not ASCII, and compares calls.log and the answers with
// hand-written expectations. Prints "N passed, N failed"; exit code 1 on any
// failure.
#include <mpv/client.h>
#include <windows.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "player/core.h"

namespace {

// The program's entry points, and three more the checks below call to read answers.
#define FAKE_MPV_ENTRY_POINTS(X) \
    TARNWICK_MPV_ENTRY_POINTS(X) \
    X(mpv_client_api_version) \
    X(mpv_error_string) \
    X(mpv_free_node_contents)

struct Api {
#define FAKE_MPV_MEMBER(name) decltype(&::name) name = nullptr;
    FAKE_MPV_ENTRY_POINTS(FAKE_MPV_MEMBER)
#undef FAKE_MPV_MEMBER
};

struct Results {
    int passed = 0;
    int failed = 0;

    bool check(bool ok, const std::string& what) {
        if (ok) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAIL: %s\n", what.c_str());
        }
        return ok;
    }

    template <typename T>
    bool equal(const T& actual, const T& expected, const std::string& what);
};

// Shows bytes that are not printable ASCII as \xNN so a failure line stays readable.
std::string visible(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
            out += buffer;
        }
    }
    return out;
}

std::string show(const std::string& text) { return "\"" + visible(text) + "\""; }
std::string show(int number) { return std::to_string(number); }
std::string show(const std::vector<std::string>& lines) {
    std::string out = "[";
    for (const std::string& line : lines) out += "\n    " + show(line);
    return out + "\n  ]";
}

template <typename T>
bool Results::equal(const T& actual, const T& expected, const std::string& what) {
    return check(actual == expected, what + "\n  got:      " + show(actual) + "\n  expected: " + show(expected));
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool file_exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string read_file(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return {};
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    return content;
}

void write_bytes(const std::wstring& path, const std::string& content, DWORD access, DWORD disposition) {
    FileHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.valid()) WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

// Replaces the file in one step, the way the tests are told to.
void replace_file(const std::wstring& path, const std::string& content) {
    std::wstring temporary = path + L".tmp";
    write_bytes(temporary, content, GENERIC_WRITE, CREATE_ALWAYS);
    MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void append_file(const std::wstring& path, const std::string& content) {
    write_bytes(path, content, FILE_APPEND_DATA, OPEN_ALWAYS);
}

std::vector<std::string> split_lines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// One folder for one scenario: the environment variable points at it and the
// three protocol files start absent.
struct Scratch {
    std::wstring dir;

    std::wstring file(const wchar_t* name) const { return dir + L"\\" + name; }
    void use() const { SetEnvironmentVariableW(L"TARNWICK_FAKE_DIR", dir.c_str()); }
    void reset() const {
        for (const wchar_t* name : {L"calls.log", L"properties.txt", L"inbox.txt"}) DeleteFileW(file(name).c_str());
        use();
    }
    std::vector<std::string> log() const { return split_lines(read_file(file(L"calls.log"))); }
    // The log lines written since the last call, so each check sees only its own calls.
    std::vector<std::string> take_log() const {
        std::vector<std::string> lines = log();
        DeleteFileW(file(L"calls.log").c_str());
        return lines;
    }
    void properties(const std::string& content) const { replace_file(file(L"properties.txt"), content); }
    void inbox(const std::string& lines) const { append_file(file(L"inbox.txt"), lines); }
};

bool wait_for(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}

std::wstring exe_folder() {
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring variant_path(const wchar_t* variant) { return exe_folder() + L"\\" + variant + L"\\libmpv-2.dll"; }

struct Loaded {
    HMODULE module = nullptr;
    Api api;
    std::vector<std::string> missing;
};

Loaded load_variant(const wchar_t* variant) {
    Loaded loaded;
    loaded.module = LoadLibraryW(variant_path(variant).c_str());
    if (!loaded.module) return loaded;
#define FAKE_MPV_RESOLVE(name)                                                                              \
    loaded.api.name =                                                                                       \
        reinterpret_cast<decltype(&::name)>(reinterpret_cast<void*>(GetProcAddress(loaded.module, #name))); \
    if (!loaded.api.name) loaded.missing.push_back(#name);
    FAKE_MPV_ENTRY_POINTS(FAKE_MPV_RESOLVE)
#undef FAKE_MPV_RESOLVE
    return loaded;
}

struct WakeCounter {
    DWORD main_thread = GetCurrentThreadId();
    std::atomic<int> calls{0};
    std::atomic<int> calls_on_main_thread{0};
};

void count_wakeup(void* data) {
    auto* counter = static_cast<WakeCounter*>(data);
    if (GetCurrentThreadId() == counter->main_thread) ++counter->calls_on_main_thread;
    ++counter->calls;
}

std::string format_number(double number) {
    if (std::isnan(number)) return "nan";
    if (std::isinf(number)) return number > 0 ? "inf" : "-inf";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", number);
    return buffer;
}

// Everything a caller can read out of an event record, as one line.
std::string describe(const mpv_event* event) {
    std::string out = "id=" + std::to_string(event->event_id) + " error=" + std::to_string(event->error) +
                      " reply=" + std::to_string(event->reply_userdata);
    if (!event->data) return out + " data=null";
    if (event->event_id == MPV_EVENT_END_FILE) {
        auto* end = static_cast<const mpv_event_end_file*>(event->data);
        return out + " reason=" + std::to_string(end->reason) + " end_error=" + std::to_string(end->error);
    }
    if (event->event_id != MPV_EVENT_PROPERTY_CHANGE) return out + " data=?";
    auto* property = static_cast<const mpv_event_property*>(event->data);
    out += " name=" + std::string(property->name) + " format=" + std::to_string(property->format);
    if (!property->data) return out + " value=null";
    switch (property->format) {
        case MPV_FORMAT_FLAG: return out + " flag=" + std::to_string(*static_cast<const int*>(property->data));
        case MPV_FORMAT_INT64: return out + " int64=" + std::to_string(*static_cast<const int64_t*>(property->data));
        case MPV_FORMAT_DOUBLE: return out + " double=" + format_number(*static_cast<const double*>(property->data));
        case MPV_FORMAT_STRING: return out + " string=" + *static_cast<char* const*>(property->data);
        default: return out + " value=?";
    }
}

void check_exports(Results& results) {
    struct Case {
        const wchar_t* variant;
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {L"full", {}},
        {L"no_mpv_free", {"mpv_free"}},
        {L"create_null", {}},
        {L"init_fails", {}},
    };
    for (const Case& c : cases) {
        Loaded loaded = load_variant(c.variant);
        std::string name = narrow(c.variant);
        if (!results.check(loaded.module != nullptr, name + ": LoadLibraryW")) continue;
        results.equal(loaded.missing, c.missing, name + ": entry points missing");
    }
}

void check_variant_failures(Results& results, const Scratch& scratch) {
    scratch.reset();
    Loaded create_null = load_variant(L"create_null");
    if (results.check(create_null.missing.empty(), "create_null loads")) {
        results.check(create_null.api.mpv_create() == nullptr, "create_null: mpv_create returns NULL");
        results.equal(scratch.take_log(), {"create"}, "create_null: log");
    }
    Loaded init_fails = load_variant(L"init_fails");
    if (results.check(init_fails.missing.empty(), "init_fails loads")) {
        mpv_handle* handle = init_fails.api.mpv_create();
        results.check(handle != nullptr, "init_fails: mpv_create returns a handle");
        results.equal(init_fails.api.mpv_initialize(handle), -5, "init_fails: mpv_initialize");
        init_fails.api.mpv_terminate_destroy(handle);
        results.equal(scratch.take_log(), {"create", "initialize", "terminate_destroy\toutstanding=0"},
                      "init_fails: log");
    }
}

void check_plain_calls(Results& results, const Api& api, mpv_handle* handle, const Scratch& scratch) {
    scratch.reset();
    scratch.properties("!status\tloadfile\t-4\n!status\tstop\t-12\n");
    int flag_on = 1;
    double tenth = 0.1;
    double infinite = HUGE_VAL;
    int64_t minus_five = -5;
    const char* language = "fr";
    const char* path = "C:\\Vid\xc3\xa9os\\a\tb.mkv";
    mpv_node node{};
    struct Case {
        const char* what;
        std::function<int()> call;
        int status;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"option", [&] { return api.mpv_set_option_string(handle, "wid", "123456"); }, 0,
         "set_option_string\twid\t123456"},
        {"option escaping", [&] { return api.mpv_set_option_string(handle, "a\tb", "c\\d\r\n"); }, 0,
         "set_option_string\ta\\tb\tc\\\\d\\r\\n"},
        {"command with status",
         [&] {
             const char* args[] = {"loadfile", path, "replace", nullptr};
             return api.mpv_command(handle, args);
         },
         -4, "command\tloadfile\tC:\\\\Vid\xc3\xa9os\\\\a\\tb.mkv\treplace"},
        {"command without status",
         [&] {
             const char* args[] = {"cycle", "pause", nullptr};
             return api.mpv_command(handle, args);
         },
         0, "command\tcycle\tpause"},
        {"command status by first argument only",
         [&] {
             const char* args[] = {"stop", nullptr};
             return api.mpv_command(handle, args);
         },
         -12, "command\tstop"},
        {"async command",
         [&] {
             const char* args[] = {"seek", "10", "absolute", nullptr};
             return api.mpv_command_async(handle, 7, args);
         },
         0, "command_async\t7\tseek\t10\tabsolute"},
        {"async command named like a failing one",
         [&] {
             const char* args[] = {"loadfile", "x", nullptr};
             return api.mpv_command_async(handle, 18446744073709551615ull, args);
         },
         0, "command_async\t18446744073709551615\tloadfile\tx"},
        {"command string", [&] { return api.mpv_command_string(handle, "show-text \"a\\nb\" 2000"); }, 0,
         "command_string\tshow-text \"a\\\\nb\" 2000"},
        {"command string named like a failing one", [&] { return api.mpv_command_string(handle, "stop"); }, 0,
         "command_string\tstop"},
        {"set flag", [&] { return api.mpv_set_property_async(handle, 1, "pause", MPV_FORMAT_FLAG, &flag_on); }, 0,
         "set_property_async\t1\tpause\t3\t1"},
        {"set double", [&] { return api.mpv_set_property_async(handle, 2, "volume", MPV_FORMAT_DOUBLE, &tenth); }, 0,
         "set_property_async\t2\tvolume\t5\t0.10000000000000001"},
        {"set infinite double",
         [&] { return api.mpv_set_property_async(handle, 2, "speed", MPV_FORMAT_DOUBLE, &infinite); }, 0,
         "set_property_async\t2\tspeed\t5\tinf"},
        {"set int64", [&] { return api.mpv_set_property_async(handle, 3, "aid", MPV_FORMAT_INT64, &minus_five); }, 0,
         "set_property_async\t3\taid\t4\t-5"},
        {"set string", [&] { return api.mpv_set_property_async(handle, 4, "sid", MPV_FORMAT_STRING, &language); }, 0,
         "set_property_async\t4\tsid\t1\tfr"},
        {"set unmodelled format", [&] { return api.mpv_set_property_async(handle, 5, "x", MPV_FORMAT_NODE, &node); }, 0,
         "set_property_async\t5\tx\t6\t?"},
        {"observe", [&] { return api.mpv_observe_property(handle, 1, "time-pos", MPV_FORMAT_DOUBLE); }, 0,
         "observe_property\t1\ttime-pos\t5"},
    };
    for (const Case& c : cases) {
        results.equal(c.call(), c.status, std::string(c.what) + ": status");
        results.equal(scratch.take_log(), {c.line}, std::string(c.what) + ": log");
    }
    results.check(api.mpv_client_api_version() == MPV_CLIENT_API_VERSION, "mpv_client_api_version");
    results.equal(std::string(api.mpv_error_string(MPV_ERROR_PROPERTY_UNAVAILABLE)),
                  std::string("property unavailable"), "mpv_error_string");
}

struct HeldStrings {
    std::vector<char*> strings;
};

void check_properties(Results& results, const Api& api, mpv_handle* handle, const Scratch& scratch, HeldStrings& held) {
    scratch.reset();
    scratch.properties(
        "media-title\tHello w\xc3\xb6rld\n"
        "sid\t\\xff\\xFEA\n"
        "path\tC:\\Videos\\x4\n"
        "empty\t\n"
        "count\t3\n"
        "time-pos\t12.5\r\n"
        "nan-value\tnan\n"
        "inf-value\tinf\n"
        "minus-inf\t-inf\n"
        "pause\tyes\n"
        "mute\tno\n"
        "one\t1\n"
        "dup\tfirst\n"
        "dup\tsecond\n"
        "tabbed\ta\tb\n"
        "no-tab-line\n"
        "!status\tloadfile\t-4\n");
    struct Case {
        const char* name;
        mpv_format format;
        int status;
        std::string value;
    };
    const Case cases[] = {
        {"media-title", MPV_FORMAT_STRING, 0, "Hello w\xc3\xb6rld"},
        {"sid", MPV_FORMAT_STRING, 0,
         "\xff\xfe"
         "A"},
        {"path", MPV_FORMAT_STRING, 0, "C:\\Videos\\x4"},
        {"empty", MPV_FORMAT_STRING, 0, ""},
        {"dup", MPV_FORMAT_STRING, 0, "second"},
        {"tabbed", MPV_FORMAT_STRING, 0, "a\tb"},
        {"count", MPV_FORMAT_STRING, 0, "3"},
        {"count", MPV_FORMAT_INT64, 0, "3"},
        {"count", MPV_FORMAT_DOUBLE, 0, "3"},
        {"count", MPV_FORMAT_FLAG, 0, "0"},
        {"time-pos", MPV_FORMAT_DOUBLE, 0, "12.5"},
        {"time-pos", MPV_FORMAT_INT64, MPV_ERROR_PROPERTY_FORMAT, ""},
        {"nan-value", MPV_FORMAT_DOUBLE, 0, "nan"},
        {"inf-value", MPV_FORMAT_DOUBLE, 0, "inf"},
        {"minus-inf", MPV_FORMAT_DOUBLE, 0, "-inf"},
        {"pause", MPV_FORMAT_FLAG, 0, "1"},
        {"one", MPV_FORMAT_FLAG, 0, "1"},
        {"mute", MPV_FORMAT_FLAG, 0, "0"},
        {"media-title", MPV_FORMAT_INT64, MPV_ERROR_PROPERTY_FORMAT, ""},
        {"media-title", MPV_FORMAT_DOUBLE, MPV_ERROR_PROPERTY_FORMAT, ""},
        {"empty", MPV_FORMAT_DOUBLE, MPV_ERROR_PROPERTY_FORMAT, ""},
        {"media-title", MPV_FORMAT_NODE, MPV_ERROR_PROPERTY_FORMAT, ""},
        {"absent", MPV_FORMAT_STRING, MPV_ERROR_PROPERTY_UNAVAILABLE, ""},
        {"no-tab-line", MPV_FORMAT_STRING, MPV_ERROR_PROPERTY_UNAVAILABLE, ""},
        {"!status", MPV_FORMAT_STRING, MPV_ERROR_PROPERTY_UNAVAILABLE, ""},
    };
    for (const Case& c : cases) {
        std::string what = std::string("get_property ") + c.name + " format " + std::to_string(c.format);
        std::string value;
        int status = 0;
        if (c.format == MPV_FORMAT_STRING) {
            char* text = nullptr;
            status = api.mpv_get_property(handle, c.name, c.format, &text);
            if (status == 0 && results.check(text != nullptr, what + ": string returned")) {
                value = text;
                held.strings.push_back(text);
            }
        } else if (c.format == MPV_FORMAT_INT64) {
            int64_t number = 0;
            status = api.mpv_get_property(handle, c.name, c.format, &number);
            if (status == 0) value = std::to_string(number);
        } else if (c.format == MPV_FORMAT_DOUBLE) {
            double number = 0;
            status = api.mpv_get_property(handle, c.name, c.format, &number);
            if (status == 0) value = format_number(number);
        } else if (c.format == MPV_FORMAT_FLAG) {
            int flag = -1;
            status = api.mpv_get_property(handle, c.name, c.format, &flag);
            if (status == 0) value = std::to_string(flag);
        } else {
            mpv_node node{};
            status = api.mpv_get_property(handle, c.name, c.format, &node);
        }
        results.equal(status, c.status, what + ": status");
        results.equal(value, c.value, what + ": value");
        results.equal(scratch.take_log(), {"get_property\t" + std::string(c.name) + "\t" + std::to_string(c.format)},
                      what + ": log");
    }

    // The file is read again on every call, so a test can change answers while
    // the player runs.
    double volume = 0;
    scratch.properties("volume\t50\n");
    results.equal(api.mpv_get_property(handle, "volume", MPV_FORMAT_DOUBLE, &volume), 0, "volume read");
    results.equal(format_number(volume), std::string("50"), "volume first value");
    scratch.properties("volume\t75\n!status\tloadfile\t-13\n");
    results.equal(api.mpv_get_property(handle, "volume", MPV_FORMAT_DOUBLE, &volume), 0, "volume reread");
    results.equal(format_number(volume), std::string("75"), "volume after rewrite");
    const char* load[] = {"loadfile", "x", nullptr};
    results.equal(api.mpv_command(handle, load), -13, "command status after rewrite");
    DeleteFileW(scratch.file(L"properties.txt").c_str());
    results.equal(api.mpv_get_property(handle, "volume", MPV_FORMAT_DOUBLE, &volume),
                  static_cast<int>(MPV_ERROR_PROPERTY_UNAVAILABLE), "volume without the file");
    results.equal(api.mpv_command(handle, load), 0, "command status without the file");
    scratch.take_log();
}

void check_free(Results& results, const Api& api, const Scratch& scratch, HeldStrings& held) {
    scratch.reset();
    int not_from_library = 0;
    api.mpv_free(nullptr);
    api.mpv_free(&not_from_library);
    std::vector<std::string> expected = {"free\tnull", "free\tunknown"};
    // Keep one so that terminate_destroy has something to report.
    while (held.strings.size() > 1) {
        api.mpv_free(held.strings.back());
        held.strings.pop_back();
        expected.push_back("free");
    }
    results.equal(scratch.take_log(), expected, "mpv_free log");
}

void check_unset_dir(Results& results, const Api& api, mpv_handle* handle, const Scratch& scratch) {
    scratch.reset();
    scratch.properties("volume\t50\n!status\tstop\t-12\n");
    SetEnvironmentVariableW(L"TARNWICK_FAKE_DIR", nullptr);
    double volume = 0;
    const char* stop[] = {"stop", nullptr};
    results.equal(api.mpv_get_property(handle, "volume", MPV_FORMAT_DOUBLE, &volume),
                  static_cast<int>(MPV_ERROR_PROPERTY_UNAVAILABLE), "no folder: property unavailable");
    results.equal(api.mpv_command(handle, stop), 0, "no folder: command succeeds");
    results.equal(api.mpv_set_option_string(handle, "a", "b"), 0, "no folder: option succeeds");
    results.check(!file_exists(scratch.file(L"calls.log")), "no folder: nothing logged");
    scratch.use();
}

void check_log_threads(Results& results, const Api& api, mpv_handle* handle, const Scratch& scratch) {
    scratch.reset();
    const int threads = 4;
    const int calls = 150;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&api, handle, t] {
            for (int i = 0; i < calls; ++i) {
                std::string thread_arg = std::to_string(t);
                std::string call_arg = std::to_string(i);
                const char* args[] = {"stress", thread_arg.c_str(), call_arg.c_str(), nullptr};
                api.mpv_command(handle, args);
            }
        });
    }
    for (std::thread& worker : workers) worker.join();
    std::vector<std::string> lines = scratch.take_log();
    std::set<std::string> expected;
    for (int t = 0; t < threads; ++t) {
        for (int i = 0; i < calls; ++i)
            expected.insert("command\tstress\t" + std::to_string(t) + "\t" + std::to_string(i));
    }
    results.equal(static_cast<int>(lines.size()), threads * calls, "threads: line count");
    results.check(std::set<std::string>(lines.begin(), lines.end()) == expected, "threads: every line whole");
}

// Pops everything queued now and describes it.
std::vector<std::string> drain(const Api& api, mpv_handle* handle) {
    std::vector<std::string> events;
    for (;;) {
        mpv_event* event = api.mpv_wait_event(handle, 0);
        if (event->event_id == MPV_EVENT_NONE) return events;
        events.push_back(describe(event));
    }
}

void check_events(Results& results, const Api& api, mpv_handle* handle, const Scratch& scratch) {
    scratch.reset();
    WakeCounter counter;
    scratch.inbox("file-loaded\n");
    api.mpv_set_wakeup_callback(handle, count_wakeup, &counter);
    results.equal(counter.calls_on_main_thread.load(), 1, "set_wakeup_callback calls the callback at once");
    results.check(wait_for([&] { return counter.calls >= 2; }), "inbox line written before the callback is read");
    results.equal(counter.calls_on_main_thread.load(), 1, "events wake from the library's own thread");
    results.equal(drain(api, handle), {"id=8 error=0 reply=0 data=null"}, "early event");
    results.equal(scratch.take_log(), {"set_wakeup_callback", "event\t8"}, "early event log");

    struct Case {
        std::string line;
        std::string event;
        std::string log;
    };
    const Case cases[] = {
        {"file-loaded", "id=8 error=0 reply=0 data=null", "event\t8"},
        {"end-file\t4", "id=7 error=0 reply=0 reason=4 end_error=-13", "event\t7\t4"},
        {"end-file\t0", "id=7 error=0 reply=0 reason=0 end_error=0", "event\t7\t0"},
        {"property\t1\ttime-pos\tdouble\t12.5", "id=22 error=0 reply=1 name=time-pos format=5 double=12.5",
         "event\t22\t1\ttime-pos\t5\t12.5"},
        {"property\t7\tspeed\tdouble\t-inf", "id=22 error=0 reply=7 name=speed format=5 double=-inf",
         "event\t22\t7\tspeed\t5\t-inf"},
        {"property\t3\tpause\tflag\tyes", "id=22 error=0 reply=3 name=pause format=3 flag=1",
         "event\t22\t3\tpause\t3\t1"},
        {"property\t5\tmute\tflag\tno", "id=22 error=0 reply=5 name=mute format=3 flag=0", "event\t22\t5\tmute\t3\t0"},
        {"property\t8\tsid\tstring\tno", "id=22 error=0 reply=8 name=sid format=1 string=no",
         "event\t22\t8\tsid\t1\tno"},
        {"property\t8\tsid\tstring\t\\xc3(", "id=22 error=0 reply=8 name=sid format=1 string=\xc3(",
         "event\t22\t8\tsid\t1\t\xc3("},
        {"property\t9\tcount\tint64\t-42", "id=22 error=0 reply=9 name=count format=4 int64=-42",
         "event\t22\t9\tcount\t4\t-42"},
        {"property\t2\tduration\tnone", "id=22 error=0 reply=2 name=duration format=0 value=null",
         "event\t22\t2\tduration\t0\t"},
        {"shutdown", "id=1 error=0 reply=0 data=null", "event\t1"},
        {"raw\t3", "id=3 error=0 reply=0 data=null", "event\t3"},
        {"raw\t22", "id=22 error=0 reply=0 data=null", "event\t22"},
    };
    for (const Case& c : cases) {
        int before = counter.calls;
        scratch.inbox(c.line + "\n");
        results.check(wait_for([&] { return counter.calls >= before + 1; }), "wake-up for " + visible(c.line));
        results.equal(drain(api, handle), {c.event}, "event for " + visible(c.line));
        results.equal(scratch.take_log(), {c.log}, "log for " + visible(c.line));
    }

    // Lines that do not parse are reported and produce neither event nor wake-up.
    int before = counter.calls;
    scratch.inbox("bogus\nend-file\tfour\nproperty\t1\tx\tdouble\tabc\nproperty\t1\tx\tnode\t1\nwake\t1\n");
    results.check(wait_for([&] { return counter.calls >= before + 1; }), "bad lines: later wake arrives");
    results.equal(counter.calls.load(), before + 1, "bad lines: no wake-up of their own");
    results.equal(drain(api, handle), {}, "bad lines: no event");
    results.equal(scratch.take_log(),
                  {"inbox-error\tbogus", "inbox-error\tend-file\\tfour", "inbox-error\tproperty\\t1\\tx\\tdouble\\tabc",
                   "inbox-error\tproperty\\t1\\tx\\tnode\\t1"},
                  "bad lines: log");

    // A line is taken only once its LF has been written.
    before = counter.calls;
    scratch.inbox("wake\t1\nfile-lo");
    results.check(wait_for([&] { return counter.calls >= before + 1; }), "partial line: wake before it");
    results.equal(drain(api, handle), {}, "partial line: not delivered");
    scratch.inbox("aded\r\n");
    results.check(wait_for([&] { return counter.calls >= before + 2; }), "partial line: completed");
    results.equal(drain(api, handle), {"id=8 error=0 reply=0 data=null"}, "partial line: event");

    before = counter.calls;
    scratch.inbox("wake\t1000\n");
    results.check(wait_for([&] { return counter.calls >= before + 1000; }), "wake 1000: callbacks");
    results.equal(drain(api, handle), {}, "wake 1000: no event");

    // A blocking wait returns the event once it arrives, after the sleep line.
    scratch.take_log();
    scratch.inbox("sleep\t100\nproperty\t4\tvolume\tdouble\t80\n");
    mpv_event* waited = api.mpv_wait_event(handle, 30.0);
    results.equal(describe(waited), std::string("id=22 error=0 reply=4 name=volume format=5 double=80"),
                  "blocking wait");
    results.equal(describe(api.mpv_wait_event(handle, 0.05)), std::string("id=0 error=0 reply=0 data=null"),
                  "short wait on an empty queue");

    // The record stays intact while the poller queues more events behind it.
    before = counter.calls;
    scratch.inbox("property\t8\tsid\tstring\tfirst\n");
    wait_for([&] { return counter.calls >= before + 1; });
    mpv_event* first = api.mpv_wait_event(handle, 0);
    scratch.inbox("property\t8\tsid\tstring\tsecond\nend-file\t2\n");
    wait_for([&] { return counter.calls >= before + 3; });
    results.equal(describe(first), std::string("id=22 error=0 reply=8 name=sid format=1 string=first"),
                  "record kept until the next call");
    results.equal(
        drain(api, handle),
        {"id=22 error=0 reply=8 name=sid format=1 string=second", "id=7 error=0 reply=0 reason=2 end_error=0"},
        "events after the kept record");
    scratch.take_log();
}

// The player may exit without destroying the handle; the poller must not keep
// the process alive. Runs in a child process started with --exit-without-destroy.
int exit_without_destroy() {
    Loaded loaded = load_variant(L"full");
    if (!loaded.missing.empty() || !loaded.module) return 3;
    static WakeCounter counter;
    mpv_handle* handle = loaded.api.mpv_create();
    loaded.api.mpv_set_wakeup_callback(handle, count_wakeup, &counter);
    wait_for([] { return counter.calls >= 2; });
    return counter.calls >= 2 ? 0 : 4;
}

void check_exit_without_destroy(Results& results, const Scratch& scratch) {
    scratch.reset();
    scratch.inbox("wake\t1\n");
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    std::wstring command = L"\"" + exe + L"\" --exit-without-destroy";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!results.check(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &process) != 0,
                       "exit without destroy: child started")) {
        return;
    }
    FileHandle process_handle(process.hProcess);
    FileHandle thread_handle(process.hThread);
    DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (!results.check(waited == WAIT_OBJECT_0, "exit without destroy: child exits")) {
        TerminateProcess(process.hProcess, 99);
        return;
    }
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    results.equal(static_cast<int>(code), 0, "exit without destroy: exit code");
    results.equal(scratch.take_log(), {"create", "set_wakeup_callback"}, "exit without destroy: log");
}

void remove_scratch(const Scratch& scratch) {
    for (const wchar_t* name : {L"calls.log", L"properties.txt", L"inbox.txt", L"properties.txt.tmp"}) {
        DeleteFileW(scratch.file(name).c_str());
    }
    RemoveDirectoryW(scratch.dir.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--exit-without-destroy") == 0) return exit_without_destroy();

    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    Scratch scratch{std::wstring(temp) + L"tarnwick fake \u00e9\u6f22 " + std::to_wstring(GetCurrentProcessId())};
    CreateDirectoryW(scratch.dir.c_str(), nullptr);

    Results results;
    check_exports(results);
    check_variant_failures(results, scratch);

    Loaded full = load_variant(L"full");
    if (results.check(full.module && full.missing.empty(), "full variant loads")) {
        scratch.reset();
        mpv_handle* handle = full.api.mpv_create();
        results.check(handle != nullptr, "mpv_create returns a handle");
        results.equal(full.api.mpv_initialize(handle), 0, "mpv_initialize");
        results.equal(scratch.take_log(), {"create", "initialize"}, "create and initialize log");

        HeldStrings held;
        check_plain_calls(results, full.api, handle, scratch);
        check_properties(results, full.api, handle, scratch, held);
        check_free(results, full.api, scratch, held);
        check_unset_dir(results, full.api, handle, scratch);
        check_log_threads(results, full.api, handle, scratch);
        check_events(results, full.api, handle, scratch);

        scratch.reset();
        full.api.mpv_terminate_destroy(handle);
        results.equal(scratch.take_log(), {"terminate_destroy\toutstanding=" + std::to_string(held.strings.size())},
                      "terminate_destroy reports the unfreed string");
        results.equal(static_cast<int>(held.strings.size()), 1, "one string held back");
        for (char* text : held.strings) full.api.mpv_free(text);
        scratch.take_log();
    }
    check_exit_without_destroy(results, scratch);

    if (results.failed == 0)
        remove_scratch(scratch);
    else
        std::printf("scratch folder kept: %s\n", narrow(scratch.dir).c_str());
    std::printf("%d passed, %d failed\n", results.passed, results.failed);
    return results.failed == 0 ? 0 : 1;
}
