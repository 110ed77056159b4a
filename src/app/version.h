// The one place the version lives: the resource script, the About window and the Help title read it.
#pragma once

#define TARNWICK_VERSION_MAJOR 1
#define TARNWICK_VERSION_MINOR 8
#define TARNWICK_VERSION_PATCH 0
#define TARNWICK_VERSION_STRING "1.8.0"
#define TARNWICK_PRODUCT_NAME "Tarnwick Light"
#define TARNWICK_EXE_NAME "TarnwickLight.exe"
