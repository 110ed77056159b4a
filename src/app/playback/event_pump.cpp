#include "app/playback/event_pump.h"

#include "app/playback/playback_messages.h"
#include "player/commands.h"

EventOutcome take_core_event(PlaybackState& state, const Core& core, const mpv_event& event) {
    const EventOutcome outcome = fold_event(state, event);
    if (outcome.load_failed) show_text(core, cannot_play_message(*state.current_file), kCannotPlayMs);
    if (outcome.resumed_at) show_text(core, resume_message(*outcome.resumed_at), kResumeMs);
    return outcome;
}
