#include "app/app_state_win.h"

App* g_app = nullptr;

App::~App() = default;
