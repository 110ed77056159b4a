#include "player/commands.h"

#include <string>
#include <vector>

#include "base/utf.h"

std::string c_string(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char c : text)
        if (c != '\0') bytes += c;
    return bytes;
}

namespace {

// Owns the byte strings and the NULL-terminated pointer array for one call.
struct ArgumentList {
    std::vector<std::string> strings;
    std::vector<const char*> pointers;

    explicit ArgumentList(std::initializer_list<std::string_view> args) {
        strings.reserve(args.size());
        for (const auto arg : args) strings.push_back(c_string(arg));
        for (const auto& s : strings) pointers.push_back(s.c_str());
        pointers.push_back(nullptr);
    }
    const char** data() { return pointers.data(); }
};

}  // namespace

int core_command(const Core& core, std::initializer_list<std::string_view> args) {
    ArgumentList list(args);
    return core.api.mpv_command(core.handle, list.data());
}

void post_command(const Core& core, std::initializer_list<std::string_view> args) {
    ArgumentList list(args);
    core.api.mpv_command_async(core.handle, 0, list.data());
}

void post_command_line(const Core& core, std::string_view line) {
    const std::string bytes = c_string(line);
    core.api.mpv_command_string(core.handle, bytes.c_str());
}

void post_property_flag(const Core& core, std::string_view name, bool value) {
    const std::string bytes = c_string(name);
    int flag = value ? 1 : 0;
    core.api.mpv_set_property_async(core.handle, 0, bytes.c_str(), MPV_FORMAT_FLAG, &flag);
}

void post_property_double(const Core& core, std::string_view name, double value) {
    const std::string bytes = c_string(name);
    core.api.mpv_set_property_async(core.handle, 0, bytes.c_str(), MPV_FORMAT_DOUBLE, &value);
}

int64_t read_int_property(const Core& core, std::string_view name) {
    const std::string bytes = c_string(name);
    int64_t value = 0;
    if (core.api.mpv_get_property(core.handle, bytes.c_str(), MPV_FORMAT_INT64, &value) < 0) return 0;
    return value;
}

std::optional<std::string> read_string_property(const Core& core, std::string_view name) {
    const std::string bytes = c_string(name);
    char* value = nullptr;
    if (core.api.mpv_get_property(core.handle, bytes.c_str(), MPV_FORMAT_STRING, &value) < 0 || value == nullptr)
        return std::nullopt;
    std::string text = sanitize_utf8(value);
    core.api.mpv_free(value);
    return text;
}

void show_text(const Core& core, std::string_view text, uint32_t duration_ms) {
    post_command(core, {"show-text", text, std::to_string(duration_ms)});
}
