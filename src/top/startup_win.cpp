#include "top/startup_win.h"

#include <variant>
#include <vector>

#include "app/app_state_win.h"
#include "app/colour_scheme_win.h"
#include "app/names_win.h"
#include "app/playback/playback_messages.h"
#include "app/resource_ids.h"
#include "app/settings/language_win.h"
#include "app/settings/settings_win.h"
#include "app/shell/shell_win.h"
#include "app/shell/single_instance_win.h"
#include "app/version.h"
#include "base/command_line.h"
#include "base/dpi_scale.h"
#include "base/handles_win.h"
#include "base/newer_api_win.h"
#include "base/number_format.h"
#include "base/ole_win.h"
#include "base/wide_win.h"
#include "player/commands.h"
#include "player/configure.h"
#include "player/loader_win.h"
#include "player/wake_up_win.h"
#include "ui/bar/bar_win.h"
#include "ui/bar/tooltips_win.h"
#include "ui/cards/about_window_win.h"
#include "ui/cards/help_window_win.h"
#include "ui/fonts_win.h"
#include "ui/input/commands_win.h"
#include "ui/main_window_win.h"
#include "ui/state_changed_win.h"
#include "ui/window_modes_win.h"

namespace {

constexpr Text kDropMessage{"Drop a video here or press Ctrl+O to open — F1: help",
                            "Glissez une vidéo ici ou Ctrl+O pour ouvrir — F1 : aide"};
constexpr uint32_t kDropMessageMs = 3600000;

std::string full_path(const std::string& path) {
    const std::wstring input = wide(path);
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetFullPathNameW(input.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0) return path;
        if (length < buffer.size()) return narrow(std::wstring_view(buffer.data(), length));
        buffer.resize(length);  // the length needed, terminator included
    }
}

void register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(TARNWICK_ICON_ID));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
}

HWND create_child(HINSTANCE instance, HWND parent, const wchar_t* class_name, DWORD style) {
    return CreateWindowExW(0, class_name, nullptr, style, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
}

void show_start_up_failure(const App& app, const std::string& text) {
    MessageBoxW(app.windows.main_window, wide(text).c_str(), kProductNameWide, MB_OK | MB_ICONERROR);
}

std::string load_failure_message(const LoadFailure& failure) {
    switch (failure.step) {
        case LoadStep::load_library:
            return cannot_load_message(failure.detail);
        case LoadStep::resolve:
            return function_missing_message(failure.detail);
        case LoadStep::create:
            break;
    }
    return create_failed_message();
}

// Creates and configures the player core with the loaded library; the failure text when it cannot
// start.
std::optional<std::string> start_core(App& app, const std::variant<MpvApi, LoadFailure>& loaded) {
    if (const auto* failure = std::get_if<LoadFailure>(&loaded)) return load_failure_message(*failure);
    auto created = create_core(std::get<MpvApi>(loaded));
    if (const auto* failure = std::get_if<LoadFailure>(&created)) return load_failure_message(*failure);
    const Core core = std::get<Core>(created);

    const std::string watch_later = settings_folder() + "\\watch_later";
    SHCreateDirectoryExW(nullptr, wide(watch_later).c_str(), nullptr);

    CoreSetup setup;
    setup.video_window = static_cast<int64_t>(reinterpret_cast<intptr_t>(app.windows.video_window));
    setup.watch_later_directory = watch_later;
    setup.volume = app.playback.current_volume;
    setup.muted = app.playback.muted;
    setup.user_options = app.settings.mpv_options;
    setup.client_name = TARNWICK_PRODUCT_NAME;
    if (const auto status = configure_core(core, setup, wake_up, app.windows.main_window))
        return initialize_failed_message(*status);
    app.core = core;
    return std::nullopt;
}

// Failed message retrievals in a row after which the loop stops trying and closes the window.
constexpr int kMessageFailuresToGiveUp = 100;

int message_loop(App& app) {
    MSG message;
    int failures = 0;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return 0;
        if (got == -1) {
            // Windows fails only for bad arguments. Wine 8 also fails when it cannot deliver a message
            // sent from another process: it copies a WM_COPYDATA onto this thread's stack, which a
            // payload of megabytes overflows. Only that message is lost, so go on; ending the loop
            // would end the program without saving. A failure that keeps repeating closes the window
            // as the user would.
            if (++failures == kMessageFailuresToGiveUp) {
                if (app.windows.main_window && !app.closing) SendMessageW(app.windows.main_window, WM_CLOSE, 0, 0);
                return 0;
            }
            continue;
        }
        failures = 0;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

// Windows 10 20H1 and later know the attribute as 20; 1809 to 1909 knew it as 19 and refuse 20.
void request_dark_title_bar(HWND window, SetWindowAttribute set) {
    const BOOL dark = TRUE;
    if (FAILED(set(window, DWMWA_USE_IMMERSIVE_DARK_MODE, &dark, sizeof dark)))
        set(window, kDarkModeAttributeBefore20H1, &dark, sizeof dark);
}

// A copy the user started elevated ("Run as administrator", or from an elevated file manager) would
// otherwise lose what comes from lower integrity (User Interface Privilege Isolation drops it when
// it is sent): Explorer's drops and the hand-off of a second, normal start, and the taskbar's
// "TaskbarButtonCreated" and thumbnail clicks. WM_COPYGLOBALDATA carries the dropped names' memory
// for WM_DROPFILES. All of it is in place before the window is shown, since Explorer makes the
// taskbar button, and sends its message, as soon as the window appears.
void allow_lower_integrity_messages(HWND window, ChangeMessageFilter change) {
    const UINT taskbar_created = RegisterWindowMessageW(kTaskbarCreatedMessage);
    for (const UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kWmCopyGlobalData,
                               taskbar_created, static_cast<UINT>(WM_COMMAND)})
        if (message) change(window, message, MSGFLT_ALLOW, nullptr);
}

// Without it, a library that libmpv or a Windows component loads by bare name and that is not in
// System32 would be looked for in the current folder and on the PATH: a DLL planted beside a video
// or on a share would run inside the player. Present since Windows 8.
void restrict_library_search(const StartupCalls& calls) {
    calls.set_default_dll_directories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

// Started from Explorer, the current folder is the video's: on a USB stick or a share, Windows would
// refuse to eject the stick or rename the folder until the player exits. Every path the program
// uses is absolute by now (the file argument has just been made so).
void leave_current_folder(const StartupCalls& calls) {
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length > 0 && length < MAX_PATH) calls.set_current_directory(system);
}

// A screen reader asks the window for its UI Automation provider (WM_GETOBJECT) while ShowWindow
// runs, and the provider needs COM on this thread.
void show_main_window(HWND window, bool maximized, const StartupCalls& calls) {
    allow_lower_integrity_messages(window, calls.change_message_filter);
    calls.initialize_com();
    calls.show_window(window, maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window);
}

void register_classes(HINSTANCE instance) {
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    register_class(instance, kMainWindowClass, main_window_proc, CS_DBLCLKS, black);
    register_class(instance, kVideoWindowClass, DefWindowProcW, 0, black);
    register_class(instance, kBarWindowClass, bar_window_proc, 0, nullptr);
    register_class(instance, kHelpWindowClass, help_window_proc, CS_DROPSHADOW, nullptr);
    register_class(instance, kAboutWindowClass, about_window_proc, CS_DROPSHADOW, nullptr);
}

bool create_windows(App& app, HINSTANCE instance) {
    const uint32_t start_dpi = system_dpi();
    const HWND main_window = CreateWindowExW(
        0, kMainWindowClass, kProductNameWide, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
        scale_truncated(960, start_dpi), scale_truncated(590, start_dpi), nullptr, nullptr, instance, nullptr);
    if (!main_window) return false;

    request_dark_title_bar(main_window, DwmSetWindowAttribute);

    // main_window stays null until both children exist, so the procedure gives default processing
    // to everything until then.
    restore_placement(app.settings, main_window);

    app.windows.dpi = window_dpi(main_window);
    create_fonts(app);

    app.windows.video_window = create_child(instance, main_window, kVideoWindowClass,
                                            WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    app.windows.bar_window =
        create_child(instance, main_window, kBarWindowClass, WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS);
    app.windows.main_window = main_window;
    return true;
}

std::optional<std::string> file_argument_from_command_line(const wchar_t* command_line) {
    const std::wstring_view line(command_line ? command_line : L"");
    const auto argument = first_argument(std::u16string(line.begin(), line.end()));
    // An empty argument ("") names nothing: opening it would only fail, and the hand-off already
    // treats an empty text as no file.
    if (!argument || argument->empty()) return std::nullopt;
    const std::string text = utf16_to_utf8(*argument);
    if (is_url(text) || is_verbatim_path(text)) return text;
    return full_path(text);
}

int run_application() {
    const StartupCalls calls;
    restrict_library_search(calls);
    set_dpi_awareness();

    const Settings settings = load_settings();
    choose_language(settings);
    const std::optional<std::string> file = file_argument_from_command_line(GetCommandLineW());
    leave_current_folder(calls);
    std::optional<NamedMutexLock> start_turn;  // until the main window exists, or the process ends
    if (!settings.multi_instance) {
        start_turn.emplace(kStartTurnMutex, kStartTurnWaitMs);
        if (hand_off_to_running_copy(file)) return 0;
    }

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    register_classes(instance);

    // Never freed: every window procedure reaches it until the process ends.
    App* app = new App;
    app->settings = settings;
    app->settings_synced = settings;
    app->playback.current_volume = settings.volume;
    app->playback.muted = settings.mute;
    app->windows.palette = system_palette();
    g_app = app;

    if (!create_windows(*app, instance)) return 0;
    start_turn.reset();  // a copy that starts now finds this window
    DragAcceptFiles(app->windows.main_window, TRUE);
    state_changed(*app, layout_children(*app));
    if (app->settings.always_on_top) {
        SetWindowPos(app->windows.main_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        state_changed(*app, kChangedBar);
    }
    show_main_window(app->windows.main_window, app->settings.maximized, calls);

    // The 20-odd MiB library only once the window is painted: a process loads one library at a
    // time, and making and showing the first window loads libraries of its own, which would wait
    // behind it. COM, set up before the window is shown, leaves this thread nothing to do meanwhile.
    if (auto error = start_core(*app, load_library())) {
        show_start_up_failure(*app, *error);
        return 0;
    }
    SetTimer(app->windows.main_window, kTimerResumeSave, kResumeSaveMs, nullptr);

    if (file)
        run_command(*app, path_command(CommandId::open_file, *file));
    else if (app->core)
        show_text(*app->core, pick(kDropMessage), kDropMessageMs);

    // What neither the painted window nor the core needs, made while the core opens the file. The
    // window reads no input before the message loop, so the tooltips and the shell's objects (the
    // taskbar button's message, the media overlay) are in place before anything can ask for them.
    create_tooltips(*app);
    state_changed(*app, layout_children(*app));  // places the new tooltips' tools over the buttons
    shell_start(*app);

    if (!app->settings.hide_about) show_about(*app, run_command);
    return message_loop(*app);
}
