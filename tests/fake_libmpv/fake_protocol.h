// Text side of the fake libmpv: the call-log line format, properties.txt and
// inbox.txt. No Windows here; fake_libmpv_win.cpp does the files and threads.
#pragma once

#include <mpv/client.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fake_mpv {

// One typed value as libmpv hands it over: the member named by `format` is the live one.
struct Value {
    mpv_format format = MPV_FORMAT_NONE;
    int flag = 0;
    int64_t int64 = 0;
    double number = 0.0;
    std::string text;
};

// properties.txt after parsing: answers for mpv_get_property and statuses for mpv_command.
struct PropertyFile {
    std::map<std::string, std::string, std::less<>> values;
    std::map<std::string, int, std::less<>> command_statuses;
};

// An event parsed from inbox.txt, as it will sit in the handle's queue.
struct QueuedEvent {
    mpv_event_id id = MPV_EVENT_NONE;
    uint64_t reply_id = 0;
    int end_reason = 0;
    bool has_property = false;  // a property change with name and value, not a bare raw 22
    std::string property_name;
    Value value;
};

// The colour a picture-only core paints the frame of `second` with: bgr0 pixels read as 0x00RRGGBB,
// red the second's low byte.
inline uint32_t preview_colour(int64_t second) { return 0x0000A0C0u | (static_cast<uint32_t>(second & 0xFF) << 16); }

struct InboxLine {
    enum class Kind { event, wake, sleep };
    Kind kind = Kind::event;
    QueuedEvent event;
    int64_t count = 0;  // wake: callback calls; sleep: milliseconds
};

std::vector<std::string_view> split_tabs(std::string_view line, size_t max_fields);
std::string escape_field(std::string_view text);
std::string decode_hex_escapes(std::string_view text);

PropertyFile parse_property_file(std::string_view content);

std::optional<int64_t> parse_int64(std::string_view text);
std::optional<double> parse_double(std::string_view text);
int parse_flag(std::string_view text);
std::optional<Value> parse_value(mpv_format format, std::string_view text);
std::optional<mpv_format> format_from_name(std::string_view name);

std::string format_value(const Value& value);
std::string format_raw_value(mpv_format format, const void* data);
std::string format_double(double number);

// faults.txt, read once by mpv_create: without "fail-after" or "fail-after-wait" the fake behaves
// normally.
//   fail-after  N          every call after the Nth (mpv_free not counted) fails
//   fail-after-wait  N     every call after the Nth that follows the first mpv_wait_event fails, and
//                          with N = 0 that wait too: the player waits for events only once its
//                          window pumps them
//   seed  S                chooses how each failing call fails (the same seed, the same failures)
//   flood                  a failing mpv_wait_event never reports an empty queue
//   wake-after-destroy  N  mpv_terminate_destroy leaves a thread that calls the wake-up callback
//                          N more times, a millisecond apart
//   send-while-destroying 1  mpv_terminate_destroy sends the window that holds the "wid" video window
//                          a message from another thread and waits up to a minute for the answer
//   block-in-destroy  1    mpv_terminate_destroy never returns, and the library's detach code at
//                          the process's exit waits for it forever
struct FaultPlan {
    std::optional<uint64_t> fail_after;
    std::optional<uint64_t> fail_after_wait;
    uint64_t seed = 0;
    bool flood = false;
    int64_t wake_after_destroy = 0;
    bool send_while_destroying = false;  // mpv_terminate_destroy sends the program's window a message
    bool block_in_destroy = false;       // mpv_terminate_destroy never returns
};
FaultPlan parse_fault_file(std::string_view content);

// A well-mixed 64-bit value of (seed, n): the fault chosen for the nth call.
uint64_t fault_roll(uint64_t seed, uint64_t n);

std::optional<InboxLine> parse_inbox_line(std::string_view line);
std::string event_log_line(const QueuedEvent& event);

}  // namespace fake_mpv
