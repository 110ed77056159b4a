// The tooltip control that names each bar button. The tools belong to the main window (the bar is
// disabled and gets no mouse messages); their rectangles follow the bar's layout.
#include "ui/bar/tooltips_win.h"

#include <string>

#include "app/app_state_win.h"
#include "base/dll_functions_win.h"
#include "base/wide_win.h"
#include "ui/bar/bar_model.h"

static_assert(sizeof(TOOLINFOW) == 72, "the tooltip control expects the full TOOLINFOW");

namespace {

// The common controls are loaded for the tooltips alone, after the window and the player core are
// up: importing them made every start load the library, and register its window classes, before
// the program's first line ran. The manifest's dependency still gives version 6.
#define TARNWICK_COMCTL32(X) X(InitCommonControlsEx)
TARNWICK_FUNCTION_TABLE(Comctl32, comctl32, TARNWICK_COMCTL32, load_system_library(L"comctl32.dll"))

bool load_tooltip_class() {
    static const bool loaded = [] {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        const auto initialize = comctl32().InitCommonControlsEx;
        return initialize && initialize(&controls);
    }();
    return loaded;
}

TOOLINFOW tool_for(const App& app, uint8_t id) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = app.windows.main_window;
    tool.uId = static_cast<UINT_PTR>(id) + 1;
    return tool;
}

}  // namespace

void renew_tooltips(App& app) {
    if (app.windows.tooltip_window) {
        DestroyWindow(app.windows.tooltip_window);
        app.windows.tooltip_window = nullptr;
    }
    if (app.windows.bar_window) create_tooltips(app);
}

void create_tooltips(App& app) {
    if (!load_tooltip_class()) return;
    app.windows.tooltip_window = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, app.windows.main_window, nullptr, nullptr, nullptr);
    if (!app.windows.tooltip_window) return;
    for (const BarButtonRow& row : kBarButtons) {
        std::wstring text = wide(bar_button_tooltip(row.id));
        TOOLINFOW tool = tool_for(app, row.id);
        tool.uFlags = TTF_SUBCLASS;
        tool.lpszText = text.data();  // the control keeps its own copy
        SendMessageW(app.windows.tooltip_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
