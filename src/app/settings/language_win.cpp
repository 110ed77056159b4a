#include "app/settings/language_win.h"

#include "app/names_win.h"
#include "app/settings/settings_win.h"
#include "base/wide_win.h"

std::optional<Language> registry_language(HKEY root) {
    // An installer writes a short word; anything that needs more than 64 bytes is not one of ours.
    wchar_t buffer[32]{};
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, L"Software\\" TARNWICK_WIDE(TARNWICK_PRODUCT_NAME), L"Language", RRF_RT_REG_SZ, nullptr,
                     buffer, &size) != ERROR_SUCCESS)
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
