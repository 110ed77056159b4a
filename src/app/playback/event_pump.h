// One event of the player core taken into the program: folded into the playback state, with the
// messages it calls for shown on the video. The Windows pump drains the queue and does the window
// work the outcome asks for; everything else happens here so it can be tested without windows.
#pragma once

#include "player/event_fold.h"

// Shows the load-failure and resume messages through core.
EventOutcome take_core_event(PlaybackState& state, const Core& core, const mpv_event& event);
