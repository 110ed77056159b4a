// The one notification after the App state changed: whatever shows that state follows it.
#pragma once

#include "app/changes.h"

struct App;

void state_changed(App& app, Changes changes);
