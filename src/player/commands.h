// Every exchange with the player core after start-up: commands, property reads and writes, and
// on-screen messages. Callers check that the core is present; asynchronous requests carry reply id 0
// and their outcome is never awaited.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "player/core.h"

// The text's bytes with every zero byte left out; .c_str() adds the one terminating zero.
std::string c_string(std::string_view text);

// mpv_command; returns libmpv's status, negative on failure.
int core_command(const Core& core, std::initializer_list<std::string_view> args);

// mpv_command_async with reply id 0; the status is ignored.
void post_command(const Core& core, std::initializer_list<std::string_view> args);

// mpv_command_string; the status is ignored.
void post_command_line(const Core& core, std::string_view line);

void post_property_flag(const Core& core, std::string_view name, bool value);
void post_property_double(const Core& core, std::string_view name, double value);

// 0 when the property cannot be read.
int64_t read_int_property(const Core& core, std::string_view name);
// Absent when the property cannot be read; invalid UTF-8 comes back with U+FFFD per bad sequence.
std::optional<std::string> read_string_property(const Core& core, std::string_view name);

// The player core's own on-screen display ("show-text", text, duration).
void show_text(const Core& core, std::string_view text, uint32_t duration_ms);
