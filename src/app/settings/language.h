// Every text the program shows exists in English and French; the active language picks one of each
// pair at the moment the text is used, so a switch reaches every window the next time it draws.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct Text {
    const char* en;
    const char* fr;
};

enum class Language : unsigned char { french = 0, english = 1 };

// The active language: 1 English, 0 French. Written only by start-up and by the language switch.
extern unsigned char g_active_language;

void set_active_language(Language language);
bool english_active();

const char* pick(const Text& text);

// "fr", "french", "francais", "français" / "en", "english", "anglais", trimmed and ASCII-lower-cased;
// anything else is not a language.
std::optional<Language> recognise_language(std::string_view text);

// The language used when neither the settings nor the registry name one: French for a French
// Windows UI language (primary id 0x0C in the low 10 bits), English otherwise.
Language language_for_ui_language(unsigned short langid);
