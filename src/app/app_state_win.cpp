#include "app/app_state_win.h"

App* g_app = nullptr;

// The seek bar's pictures end on their own thread, which never touches the App.
App::~App() { stop_preview_worker(std::move(preview.worker), 0); }
