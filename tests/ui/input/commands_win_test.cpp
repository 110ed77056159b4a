// run_command: what each command sends to the player core and which commands repaint the bar.
#include "ui/input/commands_win.h"

#include "support/program_windows_win.h"

namespace {

using C = CommandId;

struct Commands : PlaybackWindows {};

// Play and pause act only when they change something; a command that changed nothing the bar
// shows leaves it alone, since a repaint under Wine is a trip to the server.
TEST_F(Commands, CoreCallsAndBarRepaints) {
    const struct {
        Command command;
        bool paused;
        size_t calls;
        bool repaint;
    } cases[] = {
        {{C::toggle_pause}, false, 2, true},  // pause, then the resume point
        {{C::play}, false, 0, false},
        {{C::play}, true, 1, true},
        {{C::pause}, true, 0, false},
        {{C::pause}, false, 2, true},
        {{C::seek_relative, -10}, false, 1, false},
        {{C::seek_to, 30}, false, 1, false},
        {{C::volume_step, 5}, false, 2, true},
        {{C::set_volume, 40}, false, 1, true},
        {{C::toggle_mute}, false, 2, true},
        {{C::speed_up}, false, 2, true},
        {{C::frame_step}, false, 1, false},
        {{C::toggle_wheel_invert}, false, 0, false},
        {{}, false, 0, false},
    };
    for (const auto& c : cases) {
        load_file(100);
        app.playback.paused = c.paused;
        settle();
        run_command(app, c.command);
        EXPECT_EQ(recorder.calls.size(), c.calls) << command_name(c.command.id) << " paused " << c.paused;
        EXPECT_EQ(bar_invalidated(), c.repaint) << command_name(c.command.id) << " paused " << c.paused;
    }
}

}  // namespace
