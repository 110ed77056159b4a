#include "app/settings/language.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/text.h"

unsigned char g_active_language = 1;

void set_active_language(Language language) { g_active_language = static_cast<unsigned char>(language); }

bool english_active() { return g_active_language == 1; }

const char* pick(const Text& text) { return english_active() ? text.en : text.fr; }

std::optional<Language> recognise_language(std::string_view text) {
    std::string word(trim_white(text));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    static constexpr std::array<std::string_view, 4> french{"fr", "french", "francais", "français"};
    static constexpr std::array<std::string_view, 3> english{"en", "english", "anglais"};
    if (std::find(french.begin(), french.end(), word) != french.end()) return Language::french;
    if (std::find(english.begin(), english.end(), word) != english.end()) return Language::english;
    return std::nullopt;
}

Language language_for_ui_language(unsigned short langid) {
    return (langid & 0x3FF) == 0x0C ? Language::french : Language::english;
}
