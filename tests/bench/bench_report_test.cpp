#include "bench_report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

RunReport sample_report() {
    RunReport r;
    r.create_ms = 120.5;
    r.loadfile_ms = 140.25;
    r.file_loaded_ms = 410;
    r.first_frame_ms = 640.125;
    r.file_loaded_handled_ms = 415.5;
    r.ui_cpu_to_first_frame_s = 0.1875;
    r.first_frame_time = 133870000000000123ULL;
    r.window_s = 10.002;
    r.cpu_s = 4.5;
    r.ui_cpu_s = 0.02;
    r.wakeups = 251;
    r.waits = 502;
    r.events = 251;
    r.bar_paints = 11;
    r.bar_changes = 11;
    r.peak_working_set = 150ULL << 20;
    r.private_bytes = 90ULL << 20;
    return r;
}

TEST(BenchReport, FormatsAndParsesBackEveryField) {
    const RunReport r = sample_report();
    const auto back = parse_run_report(format_run_report(r));
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ(back->create_ms, r.create_ms);
    EXPECT_DOUBLE_EQ(back->loadfile_ms, r.loadfile_ms);
    EXPECT_DOUBLE_EQ(back->file_loaded_ms, r.file_loaded_ms);
    EXPECT_DOUBLE_EQ(back->first_frame_ms, r.first_frame_ms);
    EXPECT_DOUBLE_EQ(back->file_loaded_handled_ms, r.file_loaded_handled_ms);
    EXPECT_DOUBLE_EQ(back->ui_cpu_to_first_frame_s, r.ui_cpu_to_first_frame_s);
    EXPECT_EQ(back->first_frame_time, r.first_frame_time);
    EXPECT_DOUBLE_EQ(back->window_s, r.window_s);
    EXPECT_DOUBLE_EQ(back->cpu_s, r.cpu_s);
    EXPECT_DOUBLE_EQ(back->ui_cpu_s, r.ui_cpu_s);
    EXPECT_EQ(back->wakeups, r.wakeups);
    EXPECT_EQ(back->waits, r.waits);
    EXPECT_EQ(back->events, r.events);
    EXPECT_EQ(back->bar_paints, r.bar_paints);
    EXPECT_EQ(back->bar_changes, r.bar_changes);
    EXPECT_EQ(back->peak_working_set, r.peak_working_set);
    EXPECT_EQ(back->private_bytes, r.private_bytes);
}

TEST(BenchReport, RejectsReportsThatDidNotComplete) {
    const std::string good = format_run_report(sample_report());
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"cut before the last field", good.substr(0, good.find("private_bytes"))},
        {"a count that is not a number", replace("wakeups=251", "wakeups=x")},
        {"a number with trailing text", replace("cpu_s=4.5", "cpu_s=4.5s")},
        {"a negative count", replace("events=251", "events=-1")},
        {"an empty window", replace("window_s=10.002", "window_s=0")},
    };
    for (const auto& c : cases) EXPECT_FALSE(parse_run_report(c.text)) << c.what;
    // CR LF line ends and blanks around the equals sign are fine.
    EXPECT_TRUE(parse_run_report(replace("events=251\n", "events = 251\r\n")));
}

TEST(BenchReport, StatsOfOddEvenAndEmptyInput) {
    const struct {
        std::vector<double> values;
        Stats expected;
    } cases[] = {
        {{3, 1, 2}, {2, 1, 3}},
        {{4, 1, 3, 2}, {2.5, 1, 4}},
        {{7}, {7, 7, 7}},
        {{}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const Stats s = stats_of(c.values);
        EXPECT_DOUBLE_EQ(s.median, c.expected.median);
        EXPECT_DOUBLE_EQ(s.min, c.expected.min);
        EXPECT_DOUBLE_EQ(s.max, c.expected.max);
    }
}

RunSample run(double first_frame_ms, double cpu_s, uint64_t working_set_mib, uint64_t bar_paints = 0) {
    RunSample s;
    s.report = sample_report();
    s.report.first_frame_ms = first_frame_ms;
    s.report.cpu_s = cpu_s;
    s.report.peak_working_set = working_set_mib << 20;
    s.report.bar_paints = bar_paints;
    return s;
}

const MetricRow& row(const std::vector<MetricRow>& rows, const std::string& key) {
    for (const MetricRow& r : rows)
        if (key == r.metric->key) return r;
    throw std::runtime_error("no row " + key);
}

TEST(BenchReport, PairsAreComparedRunByRun) {
    // Pair ratios 2, 1 and 0.5 have the median 1, while the medians of the sides (400 and 400) say
    // nothing about the pairs; the player's fourth run has no partner and counts only in its column.
    const std::vector<RunSample> player = {run(800, 5, 110), run(400, 5, 104), run(200, 5, 100), run(900, 5, 100)};
    const std::vector<RunSample> host = {run(400, 5, 100), run(400, 4, 100), run(400, 0, 101)};
    const auto rows = summarize(player, host);

    const MetricRow& first_frame = row(rows, "first_frame");
    ASSERT_TRUE(first_frame.pair_median);
    EXPECT_DOUBLE_EQ(*first_frame.pair_median, 1);
    EXPECT_DOUBLE_EQ(first_frame.player.median, 600);
    EXPECT_DOUBLE_EQ(first_frame.player.max, 900);
    EXPECT_DOUBLE_EQ(first_frame.host.median, 400);

    // A host that used no CPU gives no ratio: the pairs left are 1 and 1.25.
    const MetricRow& cpu = row(rows, "cpu");
    ASSERT_TRUE(cpu.pair_median);
    EXPECT_NEAR(*cpu.pair_median, 1.125, 1e-12);

    // Memory is compared by difference: +10, +4, -1 MiB.
    const MetricRow& memory = row(rows, "working_set");
    ASSERT_TRUE(memory.pair_median);
    EXPECT_DOUBLE_EQ(*memory.pair_median, 4);

    EXPECT_FALSE(row(rows, "bar_paints").pair_median);
    EXPECT_FALSE(row(summarize(player, {}), "first_frame").pair_median);
}

TEST(BenchReport, GoalsAtTheirLimits) {
    auto goals_for = [](double frame_ratio, uint64_t extra_mib, uint64_t bar_paints) {
        const auto rows = summarize({run(100 * frame_ratio, 5, 100 + extra_mib, bar_paints)}, {run(100, 5, 100)});
        std::vector<bool> met;
        for (const GoalResult& g : check_goals(rows)) met.push_back(g.met);
        return met;
    };
    // Order: first frame, CPU, wake-ups, working set, UI thread share (0.02 / 4.5 s is 0.44 %), bar.
    // The bar's clock and fill moved 11 times in the window.
    EXPECT_EQ(goals_for(0.95, 5, 11), (std::vector<bool>{true, true, true, true, true, true}));
    EXPECT_EQ(goals_for(0.96, 6, 12), (std::vector<bool>{false, true, true, false, true, false}));

    // Every goal appears in the printed summary with its verdict.
    const auto rows = summarize({run(106, 5, 106, 12)}, {run(100, 5, 100)});
    const std::string text = format_summary(rows, check_goals(rows));
    EXPECT_NE(text.find("MISSED  first frame"), std::string::npos);
    EXPECT_NE(text.find("met     CPU per second"), std::string::npos);
    EXPECT_NE(text.find("1.06x"), std::string::npos);
    EXPECT_NE(text.find("+6.0 MiB"), std::string::npos);
}

}  // namespace
