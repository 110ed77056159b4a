#include "app/playback/event_pump_win.h"

#include <atomic>
#include <thread>
#include <vector>

#include "player/event_fold.h"
#include "player/wake_up_win.h"
#include "support/mpv_events.h"
#include "support/program_windows_win.h"

namespace {

using Calls = std::vector<std::string>;

struct Pump : PlaybackWindows {
    MpvEvents events;
    HWND child = nullptr;

    void queue(const mpv_event& e) { recorder.events.push_back(e); }

    // The main window in front with the focus on one of its children, as after a click into a
    // control: the state in which a newly loaded file should take the focus back.
    void focus_on_child() {
        child = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, app.windows.main_window,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(app.windows.main_window);
        SetFocus(child);
        settle();
        set_focus_count = 0;
    }
    void TearDown() override {
        if (child) DestroyWindow(child);
        PlaybackWindows::TearDown();
    }
};

// A core that reports events without end must not keep the window from its other messages: one
// wake-up folds a batch, then the rest waits behind what is already queued.
TEST_F(Pump, FloodOfEventsIsFoldedInBatchesBehindOtherMessages) {
    MSG stale;
    while (PeekMessageW(&stale, app.windows.main_window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_REMOVE)) {
    }
    constexpr size_t kQueued = 5000;
    for (size_t i = 0; i < kQueued; ++i) queue(events.number(kObservedTimePos, static_cast<double>(i)));
    pump_events(app);
    const size_t folded = kQueued - recorder.events.size();
    EXPECT_GT(folded, 0u);
    EXPECT_LT(folded, kQueued);
    MSG next;
    EXPECT_TRUE(PeekMessageW(&next, app.windows.main_window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_REMOVE));
    recorder.events.clear();
}

// Events that each take a while (a slow shell, a busy machine) end the batch
// early too, so the window keeps answering.
mpv_event* (*g_slow_inner_wait)(mpv_handle*, double) = nullptr;
mpv_event* slow_wait(mpv_handle* handle, double timeout) {
    Sleep(20);
    return g_slow_inner_wait(handle, timeout);
}

TEST_F(Pump, SlowEventsEndTheBatchEarly) {
    MSG stale;
    while (PeekMessageW(&stale, app.windows.main_window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_REMOVE)) {
    }
    g_slow_inner_wait = app.core->api.mpv_wait_event;
    app.core->api.mpv_wait_event = slow_wait;
    constexpr size_t kQueued = 40;  // 0.8 s of events, far fewer than a batch's count
    for (size_t i = 0; i < kQueued; ++i) queue(events.number(kObservedSpeed, 1.0 + static_cast<double>(i)));
    pump_events(app);
    EXPECT_GT(recorder.events.size(), 0u) << "all folded in one go";
    MSG next;
    EXPECT_TRUE(PeekMessageW(&next, app.windows.main_window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_REMOVE));
    recorder.events.clear();
}

TEST_F(Pump, ClearsThePendingFlagEvenWithoutACore) {
    app.core.reset();
    g_wake_up_pending = true;
    pump_events(app);
    EXPECT_FALSE(g_wake_up_pending.load());
}

// Seen from inside mpv_wait_event: the flag must already be clear when the first event is taken.
std::vector<bool> g_flag_at_wait;
decltype(&mpv_wait_event) g_recording_wait = nullptr;
std::vector<double> g_timeouts;
mpv_event* wait_watching_flag(mpv_handle* handle, double timeout) {
    g_flag_at_wait.push_back(g_wake_up_pending.load());
    g_timeouts.push_back(timeout);
    return g_recording_wait(handle, timeout);
}

TEST_F(Pump, ClearsTheFlagBeforeDrainingAndNeverWaits) {
    g_flag_at_wait.clear();
    g_timeouts.clear();
    g_recording_wait = app.core->api.mpv_wait_event;
    app.core->api.mpv_wait_event = wait_watching_flag;
    queue(events.number(kObservedSpeed, 2));
    g_wake_up_pending = true;
    pump_events(app);
    EXPECT_EQ(g_flag_at_wait, (std::vector<bool>{false, false}));
    EXPECT_EQ(g_timeouts, (std::vector<double>{0, 0}));
    EXPECT_EQ(app.playback.speed, 2);
}

TEST_F(Pump, DrainsEverythingIntoTheState) {
    app.playback.seek_bar_width = 490;
    queue(MpvEvents::plain(MPV_EVENT_START_FILE));
    queue(events.number(kObservedDuration, 98));
    queue(events.number(kObservedTimePos, 49));
    queue(events.flag(kObservedPause, 1));
    queue(events.number(kObservedVolume, 40));
    queue(events.flag(kObservedMute, 1));
    queue(events.flag(kObservedEofReached, 0));
    queue(events.number(kObservedSpeed, 0.5));
    queue(events.text(kObservedSid, "2"));
    bool repaint = pump_events(app);
    EXPECT_TRUE(recorder.events.empty());
    const PlaybackState& s = app.playback;
    EXPECT_EQ(s.duration, 98);
    EXPECT_EQ(s.position, 49);
    EXPECT_EQ(s.shown_second, 49);
    EXPECT_EQ(s.shown_bar_pos, 245);  // the duration from earlier in the same drain
    EXPECT_TRUE(s.paused);
    EXPECT_EQ(s.current_volume, 40);
    EXPECT_TRUE(s.muted);
    EXPECT_EQ(s.speed, 0.5);
    EXPECT_TRUE(s.subtitles_on);
    EXPECT_TRUE(repaint);
}

TEST_F(Pump, PositionsWithinTheShownStepLeaveTheBarAlone) {
    app.playback.shown_second = 10;
    app.playback.shown_bar_pos = 0;  // no duration
    queue(events.number(kObservedTimePos, 10.2));
    queue(events.number(kObservedTimePos, 10.9));
    queue(MpvEvents::plain(MPV_EVENT_LOG_MESSAGE));
    queue(events.number(99, 1));
    bool repaint = pump_events(app);
    EXPECT_EQ(app.playback.position, 10.9);
    EXPECT_FALSE(repaint);

    queue(events.number(kObservedTimePos, 11.0));
    repaint = pump_events(app);
    EXPECT_TRUE(repaint);
}

TEST_F(Pump, ShutdownEndsTheDrain) {
    queue(MpvEvents::plain(MPV_EVENT_SHUTDOWN));
    queue(events.number(kObservedSpeed, 2));
    pump_events(app);
    EXPECT_EQ(recorder.events.size(), 1u);
    EXPECT_EQ(app.playback.speed, 1.0);
}

TEST_F(Pump, FailedFileIsAnnounced) {
    app.playback.current_file = "C:\\a b\\broken.mkv";
    app.playback.file_loaded = true;
    queue(events.end_file(MPV_END_FILE_REASON_ERROR));
    bool repaint = pump_events(app);
    EXPECT_FALSE(app.playback.file_loaded);
    EXPECT_EQ(recorder.calls, (Calls{"async 0 [show-text] [Cannot play \"C:\\a b\\broken.mkv\"] [5000]"}));
    EXPECT_TRUE(repaint);
}

TEST_F(Pump, LoadedFileResumesAndTakesTheFocusBack) {
    focus_on_child();
    ASSERT_EQ(GetForegroundWindow(), app.windows.main_window);
    ASSERT_EQ(GetFocus(), child);
    queue(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    queue(events.number(kObservedTimePos, 3725.4));
    bool repaint = pump_events(app);
    EXPECT_TRUE(app.playback.file_loaded);
    EXPECT_EQ(recorder.calls, (Calls{"async 0 [show-text] [Resuming at 1:02:05] [2000]"}));
    EXPECT_EQ(GetFocus(), app.windows.main_window);
    EXPECT_EQ(set_focus_count, 1);
    EXPECT_TRUE(repaint);

    // Already focused: no second SetFocus.
    queue(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    repaint = pump_events(app);
    EXPECT_EQ(set_focus_count, 1);
}

TEST_F(Pump, LoadedFileLeavesTheFocusAloneWhenAnotherWindowIsInFront) {
    focus_on_child();
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    settle();
    ASSERT_EQ(GetForegroundWindow(), other);
    queue(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    pump_events(app);
    EXPECT_EQ(set_focus_count, 0);
    EXPECT_EQ(GetForegroundWindow(), other);
    DestroyWindow(other);
}

TEST_F(Pump, CoreEndedWhileDrainingStopsTheLoop) {
    focus_on_child();
    ASSERT_EQ(GetFocus(), child);
    // A handler reached through SetFocus ends the core, as the close sequence would.
    on_set_focus = [this] { app.core.reset(); };
    queue(MpvEvents::plain(MPV_EVENT_FILE_LOADED));
    queue(events.number(kObservedSpeed, 2));
    pump_events(app);
    EXPECT_FALSE(app.core.has_value());
    EXPECT_EQ(recorder.events.size(), 1u);
    EXPECT_EQ(app.playback.speed, 1.0);
}

// The stress test's player core: each producer thread adds an event, then calls the real wake-up
// callback, as libmpv does; the pump takes them on the UI thread.
std::atomic<int64_t> g_produced{0};
int64_t g_consumed = 0;
mpv_event g_stress_event{};
mpv_event* stress_wait(mpv_handle*, double) {
    g_stress_event = mpv_event{};
    if (g_consumed < g_produced.load()) {
        ++g_consumed;
        g_stress_event.event_id = MPV_EVENT_LOG_MESSAGE;
    } else {
        // The core's threads may run at any moment, right after the queue was found empty too:
        // give them that moment often, so a wake-up lost there shows up.
        std::this_thread::yield();
    }
    return &g_stress_event;
}

// Producers fire together in rounds; between rounds the UI thread handles only what is queued
// and then counts what was left in the core. A wake-up swallowed while a drain is ending leaves
// an event behind at that point.
TEST_F(Pump, WakeUpsCoalesceUnderStress) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 10000;
    g_produced = 0;
    g_consumed = 0;
    g_wake_up_pending = false;
    app.core->api.mpv_wait_event = stress_wait;
    HWND window = app.windows.main_window;

    std::atomic<int> round{0};
    std::atomic<int> fired{0};
    std::vector<std::thread> producers;
    for (int t = 0; t < kThreads; ++t)
        producers.emplace_back([&round, &fired, window] {
            for (int r = 1; r <= kRounds; ++r) {
                while (round.load() < r) std::this_thread::yield();
                g_produced.fetch_add(1);
                wake_up(window);
                fired.fetch_add(1);
            }
        });

    int extra_messages = 0;
    int drains = 0;
    int rounds_with_events_left = 0;
    MSG msg;
    const auto take_one = [&] {
        if (!PeekMessageW(&msg, window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_REMOVE)) return false;
        // Until the pump clears the flag no thread may post: a second message now is a failure.
        if (PeekMessageW(&msg, window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_NOREMOVE)) ++extra_messages;
        pump_events(app);
        ++drains;
        return true;
    };
    for (int r = 1; r <= kRounds; ++r) {
        fired = 0;
        round = r;
        while (fired.load() < kThreads) take_one();
        while (take_one()) {
        }
        if (g_consumed != g_produced.load()) {
            ++rounds_with_events_left;
            g_consumed = g_produced.load();  // so later rounds are judged on their own
        }
    }
    for (auto& p : producers) p.join();

    EXPECT_EQ(extra_messages, 0);
    EXPECT_EQ(rounds_with_events_left, 0);
    EXPECT_EQ(g_produced.load(), int64_t{kThreads} * kRounds);
    EXPECT_FALSE(PeekMessageW(&msg, window, kMsgCoreWakeUp, kMsgCoreWakeUp, PM_NOREMOVE));
    EXPECT_GE(drains, kRounds);
}

}  // namespace
