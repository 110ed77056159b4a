#include "input_win.h"

#include "../mpv/playback_win.h"
#include "app_state_win.h"

// The key, wheel and auto-hide bindings come with the input work.
bool on_key_down(App&, WPARAM) { return false; }
void on_char(App&, WPARAM) {}
void on_mouse_wheel(App&, WPARAM) {}
void toggle_multi_instance(App&) {}
void auto_hide_wake_up(App&) {}
void on_auto_hide_timer(App& app) { KillTimer(app.main_window, kTimerAutoHide); }
void save_resume_point(App& app) { save_resume_position(app); }
