// The tooltip control that names each bar button. The tools belong to the main window (the bar is
// disabled and gets no mouse messages); their rectangles follow the bar's layout.
#include <string>

#include "app/app_state_win.h"
#include "base/wide_win.h"
#include "ui/bar/bar_model.h"
#include "ui/bar/bar_win.h"

static_assert(sizeof(TOOLINFOW) == 72, "the tooltip control expects the full TOOLINFOW");

namespace {

TOOLINFOW tool_for(const App& app, uint8_t id) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = app.windows.main_window;
    tool.uId = static_cast<UINT_PTR>(id) + 1;
    return tool;
}

}  // namespace

void create_tooltips(App& app) {
    app.windows.tooltip_window = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, app.windows.main_window, nullptr, nullptr, nullptr);
    if (!app.windows.tooltip_window) return;
    for (uint8_t id = 0; id < kBarTooltips.size(); ++id) {
        std::wstring text = wide(pick(kBarTooltips[id]));
        TOOLINFOW tool = tool_for(app, id);
        tool.uFlags = TTF_SUBCLASS;
        tool.lpszText = text.data();  // the control keeps its own copy
        SendMessageW(app.windows.tooltip_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
