#include "single_instance_win.h"

#include "app_state_win.h"

// The hand-off comes with the single-instance work; until then every start opens its own window.
bool hand_off_to_running_copy(const std::optional<std::string>&) { return false; }

LRESULT on_copy_data(App&, const COPYDATASTRUCT*) { return 0; }
