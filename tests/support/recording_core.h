// A player core made of recording fakes: every call is kept as text, property reads are answered
// from a table, command statuses can be scripted, and queued events come out of mpv_wait_event.
// The handle points at the recorder itself, so the fakes need no global state.
#pragma once

#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "player/core.h"

struct RecordingCore {
    std::vector<std::string> calls;
    std::map<std::string, std::string> properties;  // name -> value as text
    std::map<std::string, int> command_status;      // first argument -> status of mpv_command
    int initialize_status = 0;
    int outstanding_strings = 0;
    std::deque<mpv_event> events;
    mpv_event current{};
    void (*wake_up)(void*) = nullptr;
    void* wake_up_data = nullptr;

    Core core() {
        Core c;
        c.handle = reinterpret_cast<mpv_handle*>(this);
        c.api.mpv_create = [] { return static_cast<mpv_handle*>(nullptr); };
        c.api.mpv_initialize = [](mpv_handle* h) {
            self(h).calls.push_back("initialize");
            return self(h).initialize_status;
        };
        c.api.mpv_set_option_string = [](mpv_handle* h, const char* name, const char* value) {
            self(h).calls.push_back(std::string("option ") + name + "=" + value);
            return 0;
        };
        c.api.mpv_command = [](mpv_handle* h, const char** args) {
            auto& r = self(h);
            r.calls.push_back("command" + join(args));
            const auto it = r.command_status.find(args[0] ? args[0] : "");
            return it == r.command_status.end() ? 0 : it->second;
        };
        c.api.mpv_command_async = [](mpv_handle* h, uint64_t id, const char** args) {
            self(h).calls.push_back("async " + std::to_string(id) + join(args));
            return 0;
        };
        c.api.mpv_command_string = [](mpv_handle* h, const char* line) {
            self(h).calls.push_back(std::string("line ") + line);
            return 0;
        };
        c.api.mpv_set_property_async = [](mpv_handle* h, uint64_t id, const char* name, mpv_format format, void* data) {
            std::string value;
            if (format == MPV_FORMAT_FLAG) value = std::to_string(*static_cast<int*>(data));
            if (format == MPV_FORMAT_DOUBLE) value = std::to_string(*static_cast<double*>(data));
            self(h).calls.push_back("set " + std::to_string(id) + " " + name + "=" + value);
            return 0;
        };
        c.api.mpv_get_property = [](mpv_handle* h, const char* name, mpv_format format, void* data) {
            auto& r = self(h);
            r.calls.push_back(std::string("get ") + name);
            const auto it = r.properties.find(name);
            if (it == r.properties.end()) return static_cast<int>(MPV_ERROR_PROPERTY_UNAVAILABLE);
            const std::string& v = it->second;
            switch (format) {
                case MPV_FORMAT_STRING: {
                    char* copy = static_cast<char*>(std::malloc(v.size() + 1));
                    std::memcpy(copy, v.c_str(), v.size() + 1);
                    *static_cast<char**>(data) = copy;
                    ++r.outstanding_strings;
                    return 0;
                }
                case MPV_FORMAT_INT64:
                    *static_cast<int64_t*>(data) = std::strtoll(v.c_str(), nullptr, 10);
                    return 0;
                case MPV_FORMAT_DOUBLE:
                    *static_cast<double*>(data) = std::strtod(v.c_str(), nullptr);
                    return 0;
                case MPV_FORMAT_FLAG:
                    *static_cast<int*>(data) = v == "yes" ? 1 : 0;
                    return 0;
                default:
                    return static_cast<int>(MPV_ERROR_PROPERTY_FORMAT);
            }
        };
        c.api.mpv_observe_property = [](mpv_handle* h, uint64_t id, const char* name, mpv_format format) {
            self(h).calls.push_back("observe " + std::to_string(id) + " " + name + " " +
                                    std::to_string(static_cast<int>(format)));
            return 0;
        };
        c.api.mpv_wait_event = [](mpv_handle* h, double) {
            auto& r = self(h);
            r.current = mpv_event{};
            if (!r.events.empty()) {
                r.current = r.events.front();
                r.events.pop_front();
            }
            return &r.current;
        };
        c.api.mpv_set_wakeup_callback = [](mpv_handle* h, void (*cb)(void*), void* d) {
            self(h).calls.push_back("wakeup callback");
            self(h).wake_up = cb;
            self(h).wake_up_data = d;
        };
        c.api.mpv_terminate_destroy = [](mpv_handle* h) { self(h).calls.push_back("terminate"); };
        c.api.mpv_free = [](void* p) {
            std::free(p);
            // The recorder cannot be reached from mpv_free's arguments; balance is counted through
            // the last recorder that handed out a string.
            if (last_string_owner()) --last_string_owner()->outstanding_strings;
        };
        last_string_owner() = this;
        return c;
    }

    static RecordingCore*& last_string_owner() {
        static RecordingCore* owner = nullptr;
        return owner;
    }

private:
    static RecordingCore& self(mpv_handle* h) { return *reinterpret_cast<RecordingCore*>(h); }
    static std::string join(const char** args) {
        std::string out;
        for (; *args; ++args) out += std::string(" [") + *args + "]";
        return out;
    }
};
