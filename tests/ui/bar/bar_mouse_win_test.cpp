// The bar's mouse handling with real messages on a real main window. Seeks are watched through the
// recording player core; the other commands through a recording runner.
#include "base/win32_win.h"

#include <string>
#include <vector>

#include "app/playback/playback_win.h"
#include "base/dpi_scale.h"
#include "base/number_format.h"
#include "support/program_windows_win.h"
#include "ui/bar/bar_model.h"

namespace {

// Filled by record_command; cleared by each test.
std::vector<std::string>& actions_seen() {
    static std::vector<std::string> seen;
    return seen;
}

// Records the bar's commands in the words of the tests below.
void record_command(App&, const Command& command) {
    std::string seen = command_name(command.id);
    if (command.id == CommandId::seek_relative) seen = "seek " + std::to_string(static_cast<int>(command.amount));
    if (command.id == CommandId::set_volume) seen = "volume " + format_shortest(command.amount);
    actions_seen().push_back(seen);
}

using Seen = std::vector<std::string>;

class BarMouse : public ProgramWindows {
protected:
    void SetUp() override {
        ProgramWindows::SetUp();
        actions_seen().clear();
    }
    int bar_y() const { return bar_top() + bar_height(app) / 2; }
    // Between the last left button and the time text: no target.
    int l_gap() const { return layout().button(kButtonForward).rect.right + 2; }
    int centre_x(uint8_t id) const {
        const BarRect& r = layout().button(id).rect;
        return (r.left + r.right) / 2;
    }
    void click(int x, int y) {
        bar_on_button_down(app, x, y, record_command);
        bar_on_button_up(app, x, y, record_command);
    }
    // Windows' order for a double click: down, up, double click, up.
    void double_click(int x, int y) {
        click(x, y);
        bar_on_double_click(app, x, y, record_command);
        bar_on_button_up(app, x, y, record_command);
    }
    std::string seek_call(double seconds, const char* mode) const {
        return "async 0 [seek] [" + format_fixed3(seconds) + "] [" + mode + "]";
    }
};

TEST_F(BarMouse, SeekPressAtTheLeftEndAndRelease) {
    load_file(5025.5);
    const int x = layout().seek_rect.left;
    send(WM_LBUTTONDOWN, x, bar_y(), MK_LBUTTON);
    EXPECT_EQ(recorder.calls, Seen{"async 0 [seek] [0.000] [absolute+keyframes]"});
    EXPECT_EQ(app.bar.drag, Drag::seek);
    EXPECT_EQ(GetCapture(), app.windows.main_window);
    EXPECT_EQ(GetFocus(), app.windows.main_window);

    send(WM_LBUTTONUP, x, bar_y());
    EXPECT_EQ(recorder.calls,
              (Seen{"async 0 [seek] [0.000] [absolute+keyframes]", "async 0 [seek] [0.000] [absolute+exact]"}));
    EXPECT_EQ(app.bar.drag, Drag::none);
    EXPECT_NE(GetCapture(), app.windows.main_window);
}

TEST_F(BarMouse, SeekDragBeyondTheEnds) {
    load_file(5025.5);
    const BarRect seek = layout().seek_rect;
    const int width = seek.right - seek.left;
    send(WM_LBUTTONDOWN, seek.right - 1, bar_y(), MK_LBUTTON);
    send(WM_MOUSEMOVE, seek.right + 100, bar_y(), MK_LBUTTON);  // over the mute button and on
    send(WM_MOUSEMOVE, 5000, bar_y() - 300, MK_LBUTTON);        // far outside, still captured
    send(WM_MOUSEMOVE, -50, bar_y(), MK_LBUTTON);
    send(WM_MOUSEMOVE, seek.right + 3, bar_y(), MK_LBUTTON);
    send(WM_LBUTTONUP, seek.right + 3, bar_y());
    EXPECT_EQ(recorder.calls, (Seen{
                                  seek_call(5025.5 * (width - 1) / width, "absolute+keyframes"),
                                  "async 0 [seek] [5025.500] [absolute+keyframes]",
                                  "async 0 [seek] [5025.500] [absolute+keyframes]",
                                  "async 0 [seek] [0.000] [absolute+keyframes]",
                                  "async 0 [seek] [5025.500] [absolute+keyframes]",
                                  "async 0 [seek] [5025.500] [absolute+exact]",
                              }));
    EXPECT_DOUBLE_EQ(app.bar.seek_fraction, 1);
    // The hover was not updated during the drag.
    EXPECT_EQ(app.bar.hover_button, BarHit::none);
}

TEST_F(BarMouse, SeekInTheMiddleWithThreeDecimals) {
    load_file(100);
    const BarRect seek = layout().seek_rect;
    const int x = seek.left + (seek.right - seek.left) / 3;
    send(WM_LBUTTONDOWN, x, bar_y(), MK_LBUTTON);
    const double fraction = static_cast<double>(x - seek.left) / (seek.right - seek.left);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0], seek_call(100 * fraction, "absolute+keyframes"));
    EXPECT_NE(recorder.calls[0].find("."), std::string::npos);
    EXPECT_EQ(recorder.calls[0].find(".") + 4, recorder.calls[0].find("]", recorder.calls[0].find(".")));
    send(WM_LBUTTONUP, x, bar_y());
}

TEST_F(BarMouse, SeekDragWithoutDurationOrFile) {
    // No duration: nothing at all, but the drag and the capture still run until the release.
    app.core = recorder.core();
    app.playback.file_loaded = true;
    send(WM_LBUTTONDOWN, layout().seek_rect.left + 50, bar_y(), MK_LBUTTON);
    EXPECT_EQ(app.bar.drag, Drag::seek);
    EXPECT_DOUBLE_EQ(app.bar.seek_fraction, 0);
    send(WM_LBUTTONUP, layout().seek_rect.left + 50, bar_y());
    EXPECT_TRUE(recorder.calls.empty());

    // A duration but no file: only the bar follows.
    app.playback.file_loaded = false;
    app.playback.duration = 60;
    const BarRect seek = layout().seek_rect;
    send(WM_LBUTTONDOWN, (seek.left + seek.right) / 2, bar_y(), MK_LBUTTON);
    send(WM_LBUTTONUP, (seek.left + seek.right) / 2, bar_y());
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_NEAR(app.bar.seek_fraction, 0.5, 0.01);
}

TEST_F(BarMouse, HoverFollowsThePointer) {
    const BarLayout l = layout();
    struct Case {
        int x;
        int y;
        BarHit hover;
    } cases[] = {
        {centre_x(kButtonForward), bar_y(), button_hit(kButtonForward)},
        {l.seek_rect.left + 5, bar_y(), BarHit::seek_bar},
        {l.volume_rect.left + 5, bar_y(), BarHit::volume},
        {centre_x(kButtonHelp), bar_top(), button_hit(kButtonHelp)},
        {centre_x(kButtonHelp), bar_top() - 1, BarHit::none},  // just above the bar: the video
        {(l.time_rect.left + l.time_rect.right) / 2, bar_y(), BarHit::none},
        {200, 100, BarHit::none},
    };
    for (const auto& c : cases) {
        send(WM_MOUSEMOVE, c.x, c.y);
        EXPECT_EQ(app.bar.hover_button, c.hover) << c.x << "," << c.y;
        EXPECT_EQ(app.mode.last_mouse.x, c.x);
        EXPECT_EQ(app.mode.last_mouse.y, c.y);
    }
    EXPECT_TRUE(app.bar.mouse_tracked);
}

TEST_F(BarMouse, HitTestScalesWithTheDpi) {
    app.windows.dpi = 144;
    layout_children(app);
    const BarLayout l = compute_bar_layout(144, client().right, scale_px(44, 144));
    const int top = client().bottom - 66;
    EXPECT_EQ(bar_hit_test(app, l.button(kButtonBack).rect.left, top), button_hit(kButtonBack));
    EXPECT_EQ(bar_hit_test(app, l.button(kButtonBack).rect.left, top - 1), BarHit::none);
    EXPECT_EQ(bar_hit_test(app, l.seek_rect.right - 1, client().bottom - 1), BarHit::seek_bar);
    EXPECT_EQ(bar_hit_test(app, l.seek_rect.right - 1, client().bottom), BarHit::none);
}

TEST_F(BarMouse, ButtonsActAtOnceOnPress) {
    struct Case {
        uint8_t id;
        const char* action;
    } cases[] = {
        {kButtonOpen, "open_video"},
        {kButtonPlayPause, "toggle_pause"},
        {kButtonBack, "seek -10"},
        {kButtonForward, "seek 10"},
        {kButtonVolume, "toggle_mute"},
        {kButtonOnTop, "toggle_always_on_top"},
        {kButtonFullscreen, "toggle_fullscreen"},
        {kButtonHelp, "toggle_help"},
    };
    for (const auto& c : cases) {
        actions_seen().clear();
        bar_on_button_down(app, centre_x(c.id), bar_y(), record_command);
        EXPECT_EQ(actions_seen(), Seen{c.action}) << int(c.id);
        bar_on_button_up(app, centre_x(c.id), bar_y(), record_command);
        EXPECT_EQ(actions_seen(), Seen{c.action}) << "nothing more on release, " << int(c.id);
    }
}

TEST_F(BarMouse, MenuButtonsOpenOnReleaseOverThemOnly) {
    const int audio = centre_x(kButtonAudio);
    bar_on_button_down(app, audio, bar_y(), record_command);
    EXPECT_TRUE(actions_seen().empty());
    EXPECT_EQ(app.bar.pressed, button_hit(kButtonAudio));
    bar_on_button_up(app, centre_x(kButtonOnTop), bar_y(), record_command);  // released off it
    EXPECT_TRUE(actions_seen().empty());
    EXPECT_EQ(app.bar.pressed, BarHit::released);

    bar_on_button_down(app, audio, bar_y(), record_command);
    bar_on_button_up(app, audio, bar_y() - 100, record_command);  // released over the video
    EXPECT_TRUE(actions_seen().empty());

    click(audio, bar_y());
    click(centre_x(kButtonSubtitles), bar_y());
    EXPECT_EQ(actions_seen(), (Seen{"audio_menu", "subtitle_menu"}));

    // A double click on a menu button opens the menu once, for the first click only.
    actions_seen().clear();
    double_click(audio, bar_y());
    EXPECT_EQ(actions_seen(), Seen{"audio_menu"});
}

TEST_F(BarMouse, ClicksBetweenTargetsDoNothing) {
    load_file(100);
    const BarLayout l = layout();
    const int gaps[] = {2, l.button(kButtonForward).rect.right + 2, (l.time_rect.left + l.time_rect.right) / 2,
                        l.seek_rect.right + 3, l.button(kButtonHelp).rect.right + 2};
    for (int x : gaps) {
        click(x, bar_y());
        send(WM_LBUTTONDOWN, x, bar_y(), MK_LBUTTON);
        send(WM_LBUTTONUP, x, bar_y());
    }
    EXPECT_TRUE(actions_seen().empty());
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(app.bar.drag, Drag::none);
}

TEST_F(BarMouse, VideoClickAndDoubleClick) {
    click(300, 200);
    EXPECT_EQ(actions_seen(), Seen{"toggle_pause"});
    actions_seen().clear();
    double_click(300, 200);
    // Two toggles of play/pause (leaving it as it was) and full screen.
    EXPECT_EQ(actions_seen(), (Seen{"toggle_pause", "toggle_pause", "toggle_fullscreen"}));
}

TEST_F(BarMouse, DoubleClickInTheBarIsASecondPress) {
    double_click(centre_x(kButtonBack), bar_y());
    EXPECT_EQ(actions_seen(), (Seen{"seek -10", "seek -10"}));
    actions_seen().clear();
    double_click(l_gap(), bar_y());
    EXPECT_TRUE(actions_seen().empty());
}

TEST_F(BarMouse, FullscreenWithTheBarHiddenClicksTheVideo) {
    app.mode.fullscreen = true;
    app.mode.bar_shown = false;
    const int bottom = client().bottom - 5;
    EXPECT_EQ(bar_hit_test(app, centre_x(kButtonHelp), bottom), BarHit::none);
    click(centre_x(kButtonHelp), bottom);
    EXPECT_EQ(actions_seen(), Seen{"toggle_pause"});
    // The press woke the bar up (the auto-hide wake-up shows it again).
    EXPECT_TRUE(app.mode.bar_shown);

    // Windows' sequence for a double click there: the first press woke the bar up, so the Help button
    // now stands under the pointer; the pair still belongs to the video.
    actions_seen().clear();
    app.mode.bar_shown = false;
    double_click(centre_x(kButtonHelp), bottom);
    EXPECT_EQ(actions_seen(), (Seen{"toggle_pause", "toggle_pause", "toggle_fullscreen"}));

    // With the bar shown the same place is the Help button.
    actions_seen().clear();
    app.mode.bar_shown = true;
    click(centre_x(kButtonHelp), bottom);
    EXPECT_EQ(actions_seen(), Seen{"toggle_help"});
}

TEST_F(BarMouse, DoubleClickOnTheFullscreenButtonEntersOnce) {
    const int x = centre_x(kButtonFullscreen);
    bar_on_button_down(app, x, bar_y(), record_command);
    EXPECT_EQ(actions_seen(), Seen{"toggle_fullscreen"});
    // Entering fullscreen hides the bar: the rest of the pair lands on no bar at all.
    app.mode.fullscreen = true;
    app.mode.bar_shown = false;
    bar_on_button_up(app, x, bar_y(), record_command);
    bar_on_double_click(app, x, bar_y(), record_command);
    bar_on_button_up(app, x, bar_y(), record_command);
    EXPECT_EQ(actions_seen(), Seen{"toggle_fullscreen"});
}

TEST_F(BarMouse, VolumeDragClampsWithoutMessage) {
    const BarRect volume = layout().volume_rect;
    const int width = volume.right - volume.left;
    bar_on_button_down(app, volume.left + width / 4, bar_y(), record_command);
    EXPECT_EQ(app.bar.drag, Drag::volume);
    EXPECT_EQ(GetCapture(), app.windows.main_window);
    bar_on_mouse_move(app, volume.right + 40, bar_y(), record_command);
    bar_on_mouse_move(app, volume.left - 40, bar_y() - 200, record_command);
    bar_on_mouse_move(app, volume.right, bar_y(), record_command);
    bar_on_button_up(app, volume.right, bar_y(), record_command);
    EXPECT_EQ(actions_seen(),
              (Seen{"volume " + format_shortest(100.0 * (width / 4) / width), "volume 100", "volume 0", "volume 100"}));
    EXPECT_EQ(app.bar.drag, Drag::none);
    EXPECT_NE(GetCapture(), app.windows.main_window);
}

// With the real actions of the program.
TEST_F(BarMouse, RealActionsReachThePlayerCore) {
    load_file(100);
    toggle_pause(app);
    ASSERT_FALSE(recorder.calls.empty());
    recorder.calls.clear();
    send(WM_LBUTTONDOWN, l_gap(), bar_y(), MK_LBUTTON);
    send(WM_LBUTTONUP, l_gap(), bar_y());
    EXPECT_TRUE(recorder.calls.empty()) << "a click between buttons";
    send(WM_LBUTTONDOWN, 300, 200, MK_LBUTTON);
    send(WM_LBUTTONUP, 300, 200);
    EXPECT_FALSE(recorder.calls.empty()) << "a click on the video toggles play/pause";
}

TEST_F(BarMouse, RealVolumeDragUnmutes) {
    load_file(100);
    app.playback.muted = true;
    set_volume(app, 50, false);
    ASSERT_FALSE(recorder.calls.empty());
    recorder.calls.clear();
    app.playback.muted = true;
    const BarRect volume = layout().volume_rect;
    send(WM_LBUTTONDOWN, volume.left + 10, bar_y(), MK_LBUTTON);
    send(WM_MOUSEMOVE, volume.right + 50, bar_y(), MK_LBUTTON);
    send(WM_LBUTTONUP, volume.right + 50, bar_y());
    bool unmuted = false;
    bool hundred = false;
    for (const auto& call : recorder.calls) {
        unmuted = unmuted || (call.find("mute") != std::string::npos && call.find("=0") != std::string::npos) ||
                  call.find("[mute] [no]") != std::string::npos;
        hundred = hundred || call.find("volume=100") != std::string::npos;
    }
    EXPECT_TRUE(unmuted);
    EXPECT_TRUE(hundred);
}

}  // namespace
