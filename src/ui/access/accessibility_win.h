// The program's windows as UI Automation serves them to screen readers: the control bar, the Help
// window and the About window each answer WM_GETOBJECT with a provider over a tree they publish.
// Nothing is set up until a reader first asks.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "base/win32_win.h"
#include "ui/access/accessible_provider_win.h"

struct App;

struct Accessibility {
    UiaApi api;
    std::shared_ptr<AccessibleStore> bar;
    std::shared_ptr<AccessibleStore> help;
    std::shared_ptr<AccessibleStore> about;
    // Stores of windows that went while answering a message sent from another thread, disconnected
    // at kMsgRetireAccessible.
    std::vector<std::shared_ptr<AccessibleStore>> retiring;
};

// Made on first use, with uiautomationcore.dll's functions.
Accessibility& accessibility(App& app);

using AccessibleSlot = std::shared_ptr<AccessibleStore> Accessibility::*;

// WM_GETOBJECT of `host`, for any object id: publishes `tree` (making the store on the first request)
// and answers with UI Automation's result for the root provider; actions go to `action_window`.
// Nothing without uiautomationcore.dll.
std::optional<LRESULT> serve_accessible(App& app, AccessibleSlot slot, HWND host, HWND action_window, WPARAM wparam,
                                        LPARAM lparam, AccessibleTree tree);
// Publishes a new picture of `host` when a reader has asked for one.
void refresh_accessible(const App& app, AccessibleSlot slot, HWND host, AccessibleTree tree);
// The host window is being destroyed.
void retire_accessible(App& app, AccessibleSlot slot, HWND host);
// kMsgRetireAccessible on the main window, and the close sequence: disconnects what waited.
void on_retire_accessible(App& app);
