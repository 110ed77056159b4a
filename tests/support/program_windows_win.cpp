#include "support/program_windows_win.h"

#include "app/names_win.h"
#include "top/startup_win.h"

void register_program_classes() { register_classes(GetModuleHandleW(nullptr)); }

void pump_messages() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

bool quit_posted() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

void set_modifiers(bool ctrl, bool shift) {
    BYTE keys[256]{};
    if (ctrl) keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    SetKeyboardState(keys);
}

std::wstring class_name_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::optional<std::string> read_settings_file() { return read_file(settings_path()); }

HDROP make_drop(const std::vector<std::wstring>& files) {
    size_t units = 2;
    for (const auto& f : files) units += f.size() + 1;
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    wchar_t* names = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
    for (const auto& f : files) {
        std::copy(f.begin(), f.end(), names);
        names += f.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

Picture print_client(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    picture.bgra.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(picture.height), picture.bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

namespace {

size_t count_matching(const std::vector<std::string>& calls, const std::string& text, bool prefix) {
    size_t n = 0;
    for (const auto& call : calls) n += prefix ? call.rfind(text, 0) == 0 : call == text;
    return n;
}

}  // namespace

// --- MainWindow ---

MainWindow::MainWindow(unsigned options) {
    register_program_classes();
    set_modifiers(false, false);
    g_app = &app;
    create_windows(app, GetModuleHandleW(nullptr));
    const HWND main = app.windows.main_window;
    SetWindowPos(main, nullptr, 40, 30, 960, 590, SWP_NOZORDER | SWP_NOACTIVATE);
    app.windows.dpi = 96;
    if (options & kTooltips) create_tooltips(app);
    if (!(options & kNoCore)) app.core = recorder.core();
    layout_children(app);
    if (options & kShown) {
        ShowWindow(main, SW_SHOWNORMAL);
        UpdateWindow(main);
    }
    pump_messages();
    recorder.calls.clear();
}

MainWindow::~MainWindow() {
    if (IsWindow(app.windows.main_window)) {
        app.closing = true;  // nothing of the close sequence, only the window
        DestroyWindow(app.windows.main_window);
    }
    if (app.windows.tooltip_window && IsWindow(app.windows.tooltip_window)) DestroyWindow(app.windows.tooltip_window);
    pump_messages();
    quit_posted();
    g_app = nullptr;
    set_modifiers(false, false);
}

bool MainWindow::bar_visible() const {
    return (GetWindowLongPtrW(app.windows.bar_window, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT MainWindow::tool_rect(UINT_PTR id) const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = app.windows.main_window;
    tool.uId = id;
    SendMessageW(app.windows.tooltip_window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    return tool.rect;
}

RECT MainWindow::child_rect(HWND child) const {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, app.windows.main_window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT MainWindow::client() const {
    RECT rect{};
    GetClientRect(app.windows.main_window, &rect);
    return rect;
}

size_t MainWindow::count_calls(const std::string& text) const { return count_matching(recorder.calls, text, false); }

size_t MainWindow::count_calls_starting(const std::string& prefix) const {
    return count_matching(recorder.calls, prefix, true);
}

// --- ProgramWindows ---

namespace {

// Never freed: the shared windows outlive every test, and their procedures reach it through g_app.
App& shared_app() {
    static App* app = new App;
    return *app;
}

ProgramWindows* g_focus_watcher = nullptr;

}  // namespace

ProgramWindows::ProgramWindows() : app(shared_app()) {}

void ProgramWindows::SetUp() {
    appdata_.emplace();
    register_program_classes();
    g_app = &app;
    reset_state();
    create_fonts(app);
    if (!app.windows.main_window || !IsWindow(app.windows.main_window)) {
        app.windows.main_window = nullptr;
        ASSERT_TRUE(create_windows(app, GetModuleHandleW(nullptr)));
        SetWindowPos(app.windows.main_window, nullptr, 0, 0, 960, 600, SWP_NOZORDER | SWP_NOACTIVATE);
        app.windows.tooltip_window = nullptr;  // went with the old main window
        ShowWindow(app.windows.main_window, SW_SHOWNORMAL);
    }
    if (!app.windows.tooltip_window || !IsWindow(app.windows.tooltip_window)) create_tooltips(app);
    SetWindowTextW(app.windows.main_window, kProductNameWide);
    set_client_size(kClientWidth, kClientHeight);
    SetForegroundWindow(app.windows.main_window);
    SetFocus(app.windows.main_window);
    pump_messages();
    g_focus_watcher = this;
    focus_hook_ = SetWindowsHookExW(WH_CALLWNDPROC, on_call, nullptr, GetCurrentThreadId());
}

void ProgramWindows::TearDown() {
    UnhookWindowsHookEx(focus_hook_);
    g_focus_watcher = nullptr;
    destroy_about(app);
    close_help(app);
    if (GetCapture()) ReleaseCapture();
    app.core.reset();
    set_active_language(Language::english);
    pump_messages();
    appdata_.reset();
}

LRESULT CALLBACK ProgramWindows::on_call(int code, WPARAM wparam, LPARAM lparam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    ProgramWindows* self = g_focus_watcher;
    if (code == HC_ACTION && self && sent->message == WM_SETFOCUS && sent->hwnd == self->app.windows.main_window) {
        ++self->set_focus_count;
        if (self->on_set_focus) self->on_set_focus();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

void ProgramWindows::reset_state() {
    app.settings = Settings{};
    app.settings_synced = Settings{};
    app.mode.menu_open = false;
    app.playback = PlaybackState{};
    app.playback.current_volume = app.settings.volume;
    app.core.reset();
    app.windows.dpi = 96;
    app.closing = false;
    app.mode.fullscreen = false;
    app.mode.bar_shown = false;
    app.mode.cursor_hidden = false;
    app.bar.mouse_tracked = false;
    app.mode.last_mouse = POINT{INT32_MIN, INT32_MIN};
    app.bar.drag = Drag::none;
    app.bar.pressed = BarHit::released;
    app.bar.hover_button = BarHit::none;
    app.bar.seek_fraction = 0;
}

void ProgramWindows::set_client_size(int width, int height) {
    RECT frame{};
    RECT inside{};
    GetWindowRect(app.windows.main_window, &frame);
    GetClientRect(app.windows.main_window, &inside);
    const int outer_width = width + (frame.right - frame.left) - inside.right;
    const int outer_height = height + (frame.bottom - frame.top) - inside.bottom;
    const int screen_width = GetSystemMetrics(SM_CXSCREEN);
    const int screen_height = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(app.windows.main_window, nullptr, (screen_width - outer_width) / 2, (screen_height - outer_height) / 2,
                 outer_width, outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
    layout_children(app);
}

RECT ProgramWindows::client() const {
    RECT rect{};
    GetClientRect(app.windows.main_window, &rect);
    return rect;
}

void ProgramWindows::load_file(double duration) {
    app.core = recorder.core();
    app.playback.file_loaded = true;
    app.playback.duration = duration;
}

void ProgramWindows::settle() {
    pump_messages();
    ValidateRect(app.windows.bar_window, nullptr);
    recorder.calls.clear();
}

bool ProgramWindows::bar_invalidated() const {
    RECT r{};
    return GetUpdateRect(app.windows.bar_window, &r, FALSE) != 0;
}

std::string ProgramWindows::title() const {
    wchar_t buffer[512];
    const int n = GetWindowTextW(app.windows.main_window, buffer, 512);
    return narrow(std::wstring_view(buffer, static_cast<size_t>(n)));
}

void PlaybackWindows::SetUp() {
    ProgramWindows::SetUp();
    app.core = recorder.core();
    settle();
    set_focus_count = 0;
}

void stand_in_card(App& app, CardPlace place, HWND window) {
    std::unique_ptr<CardWindow, CardWindowDelete>& card = app.windows.*place;
    card.reset(window ? new CardWindow : nullptr);
    if (card) card->window = window;
}
