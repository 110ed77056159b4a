// The fonts every owner-drawn window draws with, made for the DPI of the moment.
#pragma once

#include <cstdint>

struct App;
struct Fonts;

// The five fonts for a DPI.
Fonts make_fonts(uint32_t dpi);
// Replaces the five fonts of the App with new ones for its DPI.
void create_fonts(App& app);
