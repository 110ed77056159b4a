// Draining the player core's events into the playback state, on the user-interface thread.
#pragma once

struct App;

// Called for the core wake-up message and from nowhere else. True when what the bar shows changed.
bool pump_events(App& app);
