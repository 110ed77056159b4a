// The benchmark's numbers without Windows: one run's report as the measuring libmpv-2.dll writes it,
// and the table that compares the player with the bare host over many runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the measuring library saw in one process. Times are milliseconds since the process was
// created; the counters and CPU times cover the measuring window that opens at the first frame.
struct RunReport {
    double create_ms = 0;
    double loadfile_ms = 0;
    double file_loaded_ms = 0;
    double first_frame_ms = 0;
    // When the user-interface thread asked for the next event after FILE_LOADED: what it does with
    // a loaded file delays everything else it does, and libmpv's video output waits on its window.
    double file_loaded_handled_ms = 0;
    double ui_cpu_to_first_frame_s = 0;  // the user-interface thread's CPU time up to the first frame
    double ui_cpu_loading_s = 0;         // the same from loadfile to the first frame
    double cpu_loading_s = 0;            // the whole process's from loadfile to the first frame
    uint64_t first_frame_time = 0;       // FILETIME of the first frame, to compare with the launcher's clock
    double window_s = 0;
    double cpu_s = 0;     // the whole process
    double ui_cpu_s = 0;  // the thread that created the player core
    uint64_t wakeups = 0;
    uint64_t waits = 0;
    uint64_t events = 0;
    uint64_t bar_paints = 0;
    uint64_t bar_changes = 0;       // moves of the bar's clock second or of its seek fill by a pixel
    uint64_t peak_working_set = 0;  // bytes
    uint64_t private_bytes = 0;     // bytes
};

// key=value lines, one per field, in a fixed order.
std::string format_run_report(const RunReport& report);
// Nothing when a field is missing or does not parse, or the window is empty: a run that did not
// reach its end must not count.
std::optional<RunReport> parse_run_report(std::string_view text);

// One run as the launcher saw it.
struct RunSample {
    RunReport report;
    double launch_to_first_frame_ms = 0;  // from just before CreateProcess
    // From the process's creation until its main window was visible with nothing left to paint in
    // it or its children, as the launcher saw it.
    double window_painted_ms = 0;
};

struct Stats {
    double median = 0;
    double min = 0;
    double max = 0;
};
// Empty input gives zeros.
Stats stats_of(std::vector<double> values);

// How one quantity of the player is set against the host's.
enum class Compare { ratio, difference, none };

struct Metric {
    const char* key;  // what the goals look rows up by
    const char* name;
    const char* unit;
    Compare compare;
    double (*value)(const RunSample&);
};
const std::vector<Metric>& bench_metrics();

struct MetricRow {
    const Metric* metric = nullptr;
    Stats player;
    Stats host;
    // The median over pairs of player / host (pairs with a zero host value are left out) or of
    // player - host; nothing when no pair qualifies or the metric has no comparison.
    std::optional<double> pair_median;
};

// player[i] and host[i] form pair i; extra runs of either side count in its own column only.
std::vector<MetricRow> summarize(const std::vector<RunSample>& player, const std::vector<RunSample>& host);

struct GoalResult {
    std::string text;
    bool met = false;
};
std::vector<GoalResult> check_goals(const std::vector<MetricRow>& rows);

// The table and the goals as plain text, for a terminal and for docs/performance.md.
std::string format_summary(const std::vector<MetricRow>& rows, const std::vector<GoalResult>& goals);
