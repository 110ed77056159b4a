#include "base/win32_win.h"
#include "top/startup_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return run_application(); }
