// Builds the player core's event records for tests; the data they point to lives as long as the
// builder. Enum fields are copied as bytes so tests can send values a newer library might.
#pragma once

#include <cstring>
#include <deque>

#include "player/core.h"

struct MpvEvents {
    std::deque<mpv_event_property> properties;
    std::deque<double> doubles;
    std::deque<int> flags;
    std::deque<const char*> strings;
    std::deque<mpv_event_end_file> ends;

    mpv_event property(uint64_t id, mpv_format format, void* data) {
        properties.push_back(mpv_event_property{"", format, data});
        mpv_event e{};
        e.event_id = MPV_EVENT_PROPERTY_CHANGE;
        e.reply_userdata = id;
        e.data = &properties.back();
        return e;
    }
    mpv_event number(uint64_t id, double v) { return property(id, MPV_FORMAT_DOUBLE, &doubles.emplace_back(v)); }
    mpv_event flag(uint64_t id, int v) { return property(id, MPV_FORMAT_FLAG, &flags.emplace_back(v)); }
    mpv_event text(uint64_t id, const char* v) { return property(id, MPV_FORMAT_STRING, &strings.emplace_back(v)); }
    mpv_event none(uint64_t id) { return property(id, MPV_FORMAT_NONE, nullptr); }
    mpv_event end_file(int reason) {
        ends.push_back(mpv_event_end_file{});
        std::memcpy(&ends.back().reason, &reason, sizeof reason);
        mpv_event e{};
        e.event_id = MPV_EVENT_END_FILE;
        e.data = &ends.back();
        return e;
    }
    static mpv_event plain(int id) {
        mpv_event e{};
        std::memcpy(&e.event_id, &id, sizeof id);
        return e;
    }
};
