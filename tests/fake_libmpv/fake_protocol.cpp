#include "fake_protocol.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace fake_mpv {

// Splits at TAB into at most max_fields pieces; the last piece keeps any further
// TABs, so a value may contain them.
std::vector<std::string_view> split_tabs(std::string_view line, size_t max_fields) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < max_fields) {
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos) break;
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

// Backslash is escaped too, so that a test can undo the escaping without
// ambiguity; Windows paths therefore show up with doubled backslashes.
std::string escape_field(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

static int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Only \xNN is special: a lone backslash stays, so Windows paths can be written
// as they are and tests can still inject bytes that are not valid UTF-8.
std::string decode_hex_escapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            int high = hex_digit(text[i + 2]);
            int low = hex_digit(text[i + 3]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

static std::string_view strip_cr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Later lines win, so a test can override an answer by appending a line.
PropertyFile parse_property_file(std::string_view content) {
    PropertyFile file;
    while (!content.empty()) {
        size_t end = content.find('\n');
        std::string_view line = strip_cr(content.substr(0, end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (line.empty()) continue;
        if (line.front() == '!') {
            std::vector<std::string_view> fields = split_tabs(line, 3);
            if (fields.size() == 3 && fields[0] == "!status") {
                if (std::optional<int64_t> status = parse_int64(fields[2])) {
                    file.command_statuses[std::string(fields[1])] = static_cast<int>(*status);
                }
            }
            continue;
        }
        std::vector<std::string_view> fields = split_tabs(line, 2);
        if (fields.size() != 2) continue;
        file.values[std::string(fields[0])] = decode_hex_escapes(fields[1]);
    }
    return file;
}

std::optional<int64_t> parse_int64(std::string_view text) {
    int64_t number = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return number;
}

// from_chars also takes nan, inf and -inf, which tests use for odd property values.
std::optional<double> parse_double(std::string_view text) {
    double number = 0.0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return number;
}

int parse_flag(std::string_view text) { return text == "yes" || text == "1" ? 1 : 0; }

std::optional<Value> parse_value(mpv_format format, std::string_view text) {
    Value value;
    value.format = format;
    switch (format) {
        case MPV_FORMAT_NONE:
            return value;
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING:
            value.text = std::string(text);
            return value;
        case MPV_FORMAT_FLAG:
            value.flag = parse_flag(text);
            return value;
        case MPV_FORMAT_INT64:
            if (std::optional<int64_t> number = parse_int64(text)) {
                value.int64 = *number;
                return value;
            }
            return std::nullopt;
        case MPV_FORMAT_DOUBLE:
            if (std::optional<double> number = parse_double(text)) {
                value.number = *number;
                return value;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<mpv_format> format_from_name(std::string_view name) {
    if (name == "none") return MPV_FORMAT_NONE;
    if (name == "flag") return MPV_FORMAT_FLAG;
    if (name == "double") return MPV_FORMAT_DOUBLE;
    if (name == "string") return MPV_FORMAT_STRING;
    if (name == "int64") return MPV_FORMAT_INT64;
    return std::nullopt;
}

// %.17g round-trips every double; NaN and infinities print as nan, inf, -inf
// whatever the C runtime's printf would say.
std::string format_double(double number) {
    if (std::isnan(number)) return "nan";
    if (std::isinf(number)) return number > 0 ? "inf" : "-inf";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", number);
    return buffer;
}

std::string format_value(const Value& value) {
    switch (value.format) {
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING:
            return escape_field(value.text);
        case MPV_FORMAT_FLAG:
            return std::to_string(value.flag);
        case MPV_FORMAT_INT64:
            return std::to_string(value.int64);
        case MPV_FORMAT_DOUBLE:
            return format_double(value.number);
        default:
            return "";
    }
}

// The value a caller passed to mpv_set_property_async, read the way libmpv
// reads it for that format. Formats the fake does not model print as "?".
std::string format_raw_value(mpv_format format, const void* data) {
    if (format == MPV_FORMAT_NONE) return "";
    if (!data) return "(null)";
    switch (format) {
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING: {
            const char* text = *static_cast<const char* const*>(data);
            return text ? escape_field(text) : "(null)";
        }
        case MPV_FORMAT_FLAG:
            return std::to_string(*static_cast<const int*>(data));
        case MPV_FORMAT_INT64:
            return std::to_string(*static_cast<const int64_t*>(data));
        case MPV_FORMAT_DOUBLE:
            return format_double(*static_cast<const double*>(data));
        default:
            return "?";
    }
}

std::optional<InboxLine> parse_inbox_line(std::string_view line) {
    line = strip_cr(line);
    std::vector<std::string_view> fields = split_tabs(line, 5);
    std::string_view kind = fields[0];
    InboxLine parsed;
    if (kind == "file-loaded" && fields.size() == 1) {
        parsed.event.id = MPV_EVENT_FILE_LOADED;
        return parsed;
    }
    if (kind == "shutdown" && fields.size() == 1) {
        parsed.event.id = MPV_EVENT_SHUTDOWN;
        return parsed;
    }
    if (kind == "end-file" && fields.size() == 2) {
        std::optional<int64_t> reason = parse_int64(fields[1]);
        if (!reason) return std::nullopt;
        parsed.event.id = MPV_EVENT_END_FILE;
        parsed.event.end_reason = static_cast<int>(*reason);
        return parsed;
    }
    if (kind == "raw" && fields.size() == 2) {
        std::optional<int64_t> id = parse_int64(fields[1]);
        if (!id) return std::nullopt;
        parsed.event.id = static_cast<mpv_event_id>(*id);
        return parsed;
    }
    if ((kind == "wake" || kind == "sleep") && fields.size() == 2) {
        std::optional<int64_t> count = parse_int64(fields[1]);
        if (!count || *count < 0) return std::nullopt;
        parsed.kind = kind == "wake" ? InboxLine::Kind::wake : InboxLine::Kind::sleep;
        parsed.count = *count;
        return parsed;
    }
    if (kind == "property" && (fields.size() == 5 || fields.size() == 4)) {
        std::optional<int64_t> reply_id = parse_int64(fields[1]);
        std::optional<mpv_format> format = format_from_name(fields[3]);
        if (!reply_id || !format) return std::nullopt;
        if (fields.size() == 4 && *format != MPV_FORMAT_NONE) return std::nullopt;
        std::string text = fields.size() == 5 ? decode_hex_escapes(fields[4]) : std::string();
        std::optional<Value> value = parse_value(*format, text);
        if (!value) return std::nullopt;
        parsed.event.id = MPV_EVENT_PROPERTY_CHANGE;
        parsed.event.has_property = true;
        parsed.event.reply_id = static_cast<uint64_t>(*reply_id);
        parsed.event.property_name = std::string(fields[2]);
        parsed.event.value = std::move(*value);
        return parsed;
    }
    return std::nullopt;
}

std::string event_log_line(const QueuedEvent& event) {
    std::string line = "event\t" + std::to_string(static_cast<int>(event.id));
    if (event.id == MPV_EVENT_END_FILE) {
        line += "\t" + std::to_string(event.end_reason);
    } else if (event.has_property) {
        line += "\t" + std::to_string(event.reply_id) + "\t" + escape_field(event.property_name) + "\t" +
                std::to_string(static_cast<int>(event.value.format)) + "\t" + format_value(event.value);
    }
    return line;
}

FaultPlan parse_fault_file(std::string_view content) {
    FaultPlan plan;
    while (!content.empty()) {
        const size_t newline = content.find('\n');
        std::string_view line = content.substr(0, newline);
        content.remove_prefix(newline == std::string_view::npos ? content.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> fields = split_tabs(line, 2);
        const std::optional<int64_t> number = fields.size() == 2 ? parse_int64(fields[1]) : std::nullopt;
        if (fields[0] == "flood") plan.flood = true;
        if (fields[0] == "send-while-destroying") plan.send_while_destroying = true;
        if (fields[0] == "block-in-destroy") plan.block_in_destroy = true;
        const int64_t value = number.value_or(-1);
        if (value < 0) continue;
        if (fields[0] == "fail-after") plan.fail_after = static_cast<uint64_t>(value);
        if (fields[0] == "fail-after-wait") plan.fail_after_wait = static_cast<uint64_t>(value);
        if (fields[0] == "seed") plan.seed = static_cast<uint64_t>(value);
        if (fields[0] == "wake-after-destroy") plan.wake_after_destroy = value;
    }
    return plan;
}

// SplitMix64's finaliser.
uint64_t fault_roll(uint64_t seed, uint64_t n) {
    uint64_t z = seed + (n + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace fake_mpv
