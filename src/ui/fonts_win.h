// The fonts every owner-drawn window draws with, made for the DPI of the moment.
#pragma once

struct App;

// Replaces the five fonts of the App with new ones for its DPI.
void create_fonts(App& app);
