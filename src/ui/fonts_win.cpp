#include "ui/fonts_win.h"

#include "app/app_state_win.h"
#include "base/gdi_win.h"

Fonts make_fonts(uint32_t dpi) {
    Fonts fonts;
    fonts.icon.reset(create_ui_font(L"Segoe MDL2 Assets", 16, FW_NORMAL, dpi));
    fonts.text.reset(create_ui_font(L"Segoe UI", 13, FW_NORMAL, dpi));
    fonts.title.reset(create_ui_font(L"Segoe UI", 20, FW_SEMIBOLD, dpi));
    fonts.body.reset(create_ui_font(L"Segoe UI", 14, FW_NORMAL, dpi));
    fonts.large_icon.reset(create_ui_font(L"Segoe MDL2 Assets", 18, FW_NORMAL, dpi));
    return fonts;
}

void create_fonts(App& app) { app.windows.fonts = make_fonts(app.windows.dpi); }
