#include "language_win.h"

#include "../mpv/commands.h"
#include "about_window_win.h"
#include "app_state_win.h"
#include "bar_win.h"
#include "settings_win.h"
#include "shell_win.h"
#include "wide_win.h"
#include "window_modes_win.h"

namespace {

constexpr Text kLanguageMessage{"Language: English",
                                "Langue : fran\xC3\xA7"
                                "ais"};
constexpr uint32_t kLanguageMessageMs = 1500;

}  // namespace

std::optional<Language> registry_language(HKEY root) {
    // An installer writes a short word; anything that needs more than 64 bytes is not one of ours.
    wchar_t buffer[32]{};
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, L"Software\\Tarnwick Light", L"Language", RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    // RegGetValueW terminates the string; the size counts that terminator.
    size_t length = 0;
    while (length < size / sizeof(wchar_t) && buffer[length] != L'\0') ++length;
    return recognise_language(narrow(std::wstring_view(buffer, length)));
}

void choose_language(const Settings& settings) {
    std::optional<Language> language = recognise_language(settings.language);
    if (!language) language = registry_language(HKEY_CURRENT_USER);
    if (!language) language = registry_language(HKEY_LOCAL_MACHINE);
    set_active_language(language ? *language : language_for_ui_language(GetUserDefaultUILanguage()));
}

void switch_language(App& app, Language language) {
    set_active_language(language);
    app.settings.language = language == Language::english ? "en" : "fr";
    save_settings(app.settings);

    // A tooltip control keeps copies of its texts, so only a new one speaks the new language.
    if (app.tooltip_window) {
        DestroyWindow(app.tooltip_window);
        app.tooltip_window = nullptr;
    }
    if (app.bar_window) create_tooltips(app);
    layout_children(app);

    // Every text is picked when it is drawn, so a repaint is all the open windows need.
    invalidate_bar(app);
    shell_follow(app);  // the thumbnail buttons' tooltips
    if (app.help_window) InvalidateRect(app.help_window, nullptr, FALSE);
    if (app.about && app.about->window) InvalidateRect(app.about->window, nullptr, FALSE);

    if (app.core) show_text(*app.core, pick(kLanguageMessage), kLanguageMessageMs);
}
