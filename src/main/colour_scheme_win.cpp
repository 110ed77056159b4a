#include "colour_scheme_win.h"

#include "about_window_win.h"
#include "app_state_win.h"

Palette system_palette() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON);
    SystemColours system;
    system.window = GetSysColor(COLOR_WINDOW);
    system.window_text = GetSysColor(COLOR_WINDOWTEXT);
    system.highlight = GetSysColor(COLOR_HIGHLIGHT);
    system.highlight_text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    system.grey_text = GetSysColor(COLOR_GRAYTEXT);
    system.hot_light = GetSysColor(COLOR_HOTLIGHT);
    return choose_palette(on, system);
}

void on_colours_changed(App& app) {
    app.palette = system_palette();
    invalidate_bar(app);
    if (app.help_window) InvalidateRect(app.help_window, nullptr, FALSE);
    if (app.about && app.about->window) InvalidateRect(app.about->window, nullptr, FALSE);
}
