#include "bench_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

// The fields in the order they are written; each knows how to read and write its member.
struct Field {
    const char* key;
    double RunReport::*real;
    uint64_t RunReport::*count;
};

constexpr Field kFields[] = {
    {"create_ms", &RunReport::create_ms, nullptr},
    {"loadfile_ms", &RunReport::loadfile_ms, nullptr},
    {"file_loaded_ms", &RunReport::file_loaded_ms, nullptr},
    {"first_frame_ms", &RunReport::first_frame_ms, nullptr},
    {"file_loaded_handled_ms", &RunReport::file_loaded_handled_ms, nullptr},
    {"ui_cpu_to_first_frame_s", &RunReport::ui_cpu_to_first_frame_s, nullptr},
    {"ui_cpu_loading_s", &RunReport::ui_cpu_loading_s, nullptr},
    {"cpu_loading_s", &RunReport::cpu_loading_s, nullptr},
    {"first_frame_time", nullptr, &RunReport::first_frame_time},
    {"window_s", &RunReport::window_s, nullptr},
    {"cpu_s", &RunReport::cpu_s, nullptr},
    {"ui_cpu_s", &RunReport::ui_cpu_s, nullptr},
    {"wakeups", nullptr, &RunReport::wakeups},
    {"waits", nullptr, &RunReport::waits},
    {"events", nullptr, &RunReport::events},
    {"bar_paints", nullptr, &RunReport::bar_paints},
    {"bar_changes", nullptr, &RunReport::bar_changes},
    {"peak_working_set", nullptr, &RunReport::peak_working_set},
    {"private_bytes", nullptr, &RunReport::private_bytes},
};

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

template <typename Number>
bool parse_number(std::string_view text, Number& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

double per_second(uint64_t count, const RunSample& run) {
    return run.report.window_s > 0 ? static_cast<double>(count) / run.report.window_s : 0;
}

constexpr double kMiB = 1024.0 * 1024.0;

const MetricRow* find_row(const std::vector<MetricRow>& rows, std::string_view key) {
    for (const MetricRow& row : rows)
        if (key == row.metric->key) return &row;
    return nullptr;
}

std::string number(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Small values keep three significant decimals; large ones need none.
int decimals_for(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude >= 100) return 0;
    if (magnitude >= 10) return 1;
    if (magnitude >= 1) return 2;
    return 4;
}

}  // namespace

std::string format_run_report(const RunReport& report) {
    std::string text;
    for (const Field& field : kFields) {
        text += field.key;
        text += '=';
        if (field.real) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.6f", report.*field.real);
            text += buffer;
        } else {
            text += std::to_string(report.*field.count);
        }
        text += '\n';
    }
    return text;
}

std::optional<RunReport> parse_run_report(std::string_view text) {
    std::map<std::string_view, std::string_view> values;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) values[trim(line.substr(0, equals))] = trim(line.substr(equals + 1));
    }
    RunReport report;
    for (const Field& field : kFields) {
        const auto it = values.find(field.key);
        if (it == values.end()) return std::nullopt;
        const bool ok =
            field.real ? parse_number(it->second, report.*field.real) : parse_number(it->second, report.*field.count);
        if (!ok) return std::nullopt;
    }
    if (!(report.window_s > 0)) return std::nullopt;
    return report;
}

Stats stats_of(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

const std::vector<Metric>& bench_metrics() {
    static const std::vector<Metric> metrics = {
        {"window_painted", "start -> window painted", "ms", Compare::ratio,
         [](const RunSample& r) { return r.window_painted_ms; }},
        {"create", "start -> mpv_create", "ms", Compare::ratio, [](const RunSample& r) { return r.report.create_ms; }},
        {"loadfile", "start -> loadfile", "ms", Compare::ratio,
         [](const RunSample& r) { return r.report.loadfile_ms; }},
        {"file_loaded", "start -> FILE_LOADED", "ms", Compare::ratio,
         [](const RunSample& r) { return r.report.file_loaded_ms; }},
        {"file_loaded_handled", "start -> FILE_LOADED handled", "ms", Compare::ratio,
         [](const RunSample& r) { return r.report.file_loaded_handled_ms; }},
        {"first_frame", "start -> first frame", "ms", Compare::ratio,
         [](const RunSample& r) { return r.report.first_frame_ms; }},
        {"launch", "CreateProcess -> first frame", "ms", Compare::ratio,
         [](const RunSample& r) { return r.launch_to_first_frame_ms; }},
        {"ui_cpu_start", "UI thread CPU to first frame", "ms", Compare::ratio,
         [](const RunSample& r) { return 1000 * r.report.ui_cpu_to_first_frame_s; }},
        {"ui_cpu_loading", "UI thread CPU, loadfile -> first frame", "ms", Compare::ratio,
         [](const RunSample& r) { return 1000 * r.report.ui_cpu_loading_s; }},
        {"cpu_loading", "process CPU, loadfile -> first frame", "ms", Compare::ratio,
         [](const RunSample& r) { return 1000 * r.report.cpu_loading_s; }},
        {"cpu", "CPU per second (process)", "s/s", Compare::ratio,
         [](const RunSample& r) { return r.report.cpu_s / r.report.window_s; }},
        {"ui_cpu", "CPU per second (UI thread)", "s/s", Compare::ratio,
         [](const RunSample& r) { return r.report.ui_cpu_s / r.report.window_s; }},
        {"ui_share", "UI thread share of process CPU", "%", Compare::none,
         [](const RunSample& r) { return r.report.cpu_s > 0 ? 100 * r.report.ui_cpu_s / r.report.cpu_s : 0; }},
        {"wakeups", "wake-up callbacks per second", "1/s", Compare::ratio,
         [](const RunSample& r) { return per_second(r.report.wakeups, r); }},
        {"waits", "mpv_wait_event calls per second", "1/s", Compare::ratio,
         [](const RunSample& r) { return per_second(r.report.waits, r); }},
        {"events", "events per second", "1/s", Compare::ratio,
         [](const RunSample& r) { return per_second(r.report.events, r); }},
        {"bar_paints", "bar repaints per second", "1/s", Compare::none,
         [](const RunSample& r) { return per_second(r.report.bar_paints, r); }},
        // A window of w seconds shows at most floor(w) + 1 distinct whole seconds.
        {"bar_paints_per_shown", "bar repaints per shown second", "", Compare::none,
         [](const RunSample& r) {
             return static_cast<double>(r.report.bar_paints) / (std::floor(r.report.window_s) + 1);
         }},
        {"bar_paints_per_change", "bar repaints per change shown", "", Compare::none,
         [](const RunSample& r) {
             return static_cast<double>(r.report.bar_paints) /
                    static_cast<double>(std::max<uint64_t>(1, r.report.bar_changes));
         }},
        {"working_set", "peak working set", "MiB", Compare::difference,
         [](const RunSample& r) { return static_cast<double>(r.report.peak_working_set) / kMiB; }},
        {"private", "private bytes", "MiB", Compare::difference,
         [](const RunSample& r) { return static_cast<double>(r.report.private_bytes) / kMiB; }},
    };
    return metrics;
}

std::vector<MetricRow> summarize(const std::vector<RunSample>& player, const std::vector<RunSample>& host) {
    std::vector<MetricRow> rows;
    for (const Metric& metric : bench_metrics()) {
        MetricRow row;
        row.metric = &metric;
        std::vector<double> player_values, host_values, pairs;
        for (const RunSample& run : player) player_values.push_back(metric.value(run));
        for (const RunSample& run : host) host_values.push_back(metric.value(run));
        for (size_t i = 0; i < player.size() && i < host.size(); ++i) {
            const double a = player_values[i], b = host_values[i];
            if (metric.compare == Compare::ratio && b > 0) pairs.push_back(a / b);
            if (metric.compare == Compare::difference) pairs.push_back(a - b);
        }
        row.player = stats_of(player_values);
        row.host = stats_of(host_values);
        if (!pairs.empty()) row.pair_median = stats_of(pairs).median;
        rows.push_back(row);
    }
    return rows;
}

std::vector<GoalResult> check_goals(const std::vector<MetricRow>& rows) {
    std::vector<GoalResult> goals;
    auto pair_goal = [&](const char* key, const char* text, double low, double high) {
        const MetricRow* row = find_row(rows, key);
        const bool met = row && row->pair_median && *row->pair_median >= low && *row->pair_median <= high;
        goals.push_back({text, met});
    };
    auto player_goal = [&](const char* key, const char* text, double high) {
        const MetricRow* row = find_row(rows, key);
        goals.push_back({text, row && row->player.median <= high});
    };
    pair_goal("first_frame", "first frame ahead of the bare host (pair ratio median <= 0.95)", 0, 0.95);
    pair_goal("cpu", "CPU per second within noise of the bare host (pair ratio median <= 1.05)", 0, 1.05);
    pair_goal("wakeups", "wake-ups equal to the bare host's (pair ratio median 0.95 .. 1.05)", 0.95, 1.05);
    pair_goal("working_set", "peak working set <= bare host + 5 MiB", -1e300, 5);
    player_goal("ui_share", "UI thread <= 1 % of the process CPU during playback", 1);
    player_goal("bar_paints_per_change", "bar repaints <= one per second or fill pixel it shows (no input)", 1);
    return goals;
}

std::string format_summary(const std::vector<MetricRow>& rows, const std::vector<GoalResult>& goals) {
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line, "%-34s %-4s | %28s | %28s | %s\n", "", "", "player: median (min .. max)",
                  "bare host: median (min .. max)", "pairs");
    text += line;
    for (const MetricRow& row : rows) {
        auto cell = [](const Stats& s) {
            const int d = decimals_for(s.median);
            return number(s.median, d) + " (" + number(s.min, d) + " .. " + number(s.max, d) + ")";
        };
        std::string pairs = "";
        if (row.pair_median) {
            pairs = row.metric->compare == Compare::ratio
                        ? number(*row.pair_median, 2) + "x"
                        : (*row.pair_median >= 0 ? "+" : "") + number(*row.pair_median, 1) + " " + row.metric->unit;
        }
        std::snprintf(line, sizeof line, "%-34s %-4s | %28s | %28s | %s\n", row.metric->name, row.metric->unit,
                      cell(row.player).c_str(), cell(row.host).c_str(), pairs.c_str());
        text += line;
    }
    text += "\n";
    for (const GoalResult& goal : goals) text += std::string(goal.met ? "met     " : "MISSED  ") + goal.text + "\n";
    return text;
}
