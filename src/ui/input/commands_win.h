// Carries out the commands of app/command.h. It sits in the user-interface layer because some
// commands open its windows (Help, About, the open dialogs, the track menus).
#pragma once

#include "app/command.h"

struct App;

// Runs the command, then tells the windows and the shell what changed. CommandId::none does nothing.
void run_command(App& app, const Command& command);
