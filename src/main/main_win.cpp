#include "startup_win.h"
#include "win32_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return run_application(); }
