// windows.h with the program's definitions, and the few declarations Debian's mingw headers lack.
#pragma once

#include <windows.h>

#ifndef DWMWA_USE_IMMERSIVE_DARK_MODE
#define DWMWA_USE_IMMERSIVE_DARK_MODE 20
#endif
