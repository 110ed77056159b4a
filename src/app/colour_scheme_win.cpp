#include "app/colour_scheme_win.h"

#include "base/win32_win.h"

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
