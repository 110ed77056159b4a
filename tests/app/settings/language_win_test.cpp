#include "base/win32_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_state_win.h"
#include "app/settings/language_win.h"
#include "app/settings/settings_win.h"
#include "base/wide_win.h"
#include "support/program_windows_win.h"
#include "ui/input/context_menu_win.h"

namespace {

constexpr wchar_t kKey[] = L"Software\\Tarnwick Light";

// The installer's value under both roots for the length of a test; gone again afterwards.
class RegistryLanguage {
public:
    RegistryLanguage() { clear(); }
    RegistryLanguage(const RegistryLanguage&) = delete;
    RegistryLanguage& operator=(const RegistryLanguage&) = delete;
    ~RegistryLanguage() { clear(); }

    void set(HKEY root, const std::wstring& text) {
        ASSERT_EQ(RegSetKeyValueW(root, kKey, L"Language", REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    void set_number(HKEY root, DWORD number) {
        ASSERT_EQ(RegSetKeyValueW(root, kKey, L"Language", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
    }

private:
    static void clear() {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteKeyValueW(root, kKey, L"Language");
            RegDeleteKeyW(root, kKey);  // only succeeds while it holds nothing else
        }
    }
};

struct ChoiceCase {
    const char* name;
    const char* settings_line;
    const wchar_t* current_user;       // null: no value
    const wchar_t* local_machine;      // null: no value
    std::optional<Language> expected;  // absent: the Windows UI language decides
};

TEST(LanguageWin, ChoiceOrder) {
    const std::wstring too_long = L"fr" + std::wstring(40, L' ');   // 84 bytes: more than 64
    const std::wstring just_fits = L"fr" + std::wstring(29, L' ');  // 62 bytes and the terminator
    const ChoiceCase cases[] = {
        {"setting wins", "language= FR", L"en", L"en", Language::french},
        {"setting in English", "language=English", L"fr", L"fr", Language::english},
        {"unknown setting falls to HKCU", "language=Deutsch", L"fr", L"en", Language::french},
        {"unknown HKCU falls to HKLM", "language=Deutsch", L"Deutsch", L" Fran\u00E7ais ", Language::french},
        {"HKLM alone", "", nullptr, L"anglais", Language::english},
        {"HKLM alone, French", "", nullptr, L"francais", Language::french},
        {"HKCU value too long to read", "", too_long.c_str(), L"en", Language::english},
        {"HKCU value of 64 bytes", "", just_fits.c_str(), L"en", Language::french},
        {"unknown everywhere", "language=Deutsch", L"Deutsch", L"", std::nullopt},
        {"nothing anywhere", "", nullptr, nullptr, std::nullopt},
    };
    const Language ui = language_for_ui_language(GetUserDefaultUILanguage());
    for (const auto& c : cases) {
        RegistryLanguage registry;
        if (c.current_user) registry.set(HKEY_CURRENT_USER, c.current_user);
        if (c.local_machine) registry.set(HKEY_LOCAL_MACHINE, c.local_machine);
        const Language expected = c.expected.value_or(ui);
        // From either starting language, so the choice is made and not merely left as it was.
        for (Language before : {Language::english, Language::french}) {
            set_active_language(before);
            choose_language(parse_settings(c.settings_line));
            EXPECT_EQ(english_active(), expected == Language::english) << c.name;
        }
    }
    set_active_language(Language::english);
}

TEST(LanguageWin, RegistryValueOfAnotherTypeIsIgnored) {
    RegistryLanguage registry;
    registry.set_number(HKEY_CURRENT_USER, 1);
    registry.set(HKEY_LOCAL_MACHINE, L"fr");
    EXPECT_EQ(registry_language(HKEY_CURRENT_USER), std::nullopt);
    set_active_language(Language::english);
    choose_language(Settings{});
    EXPECT_FALSE(english_active());
    set_active_language(Language::english);
}

bool has_call(const RecordingCore& recorder, const std::string& call) {
    return std::find(recorder.calls.begin(), recorder.calls.end(), call) != recorder.calls.end();
}

TEST(LanguageWin, SwitchWritesTheFileAndAnnounces) {
    const TempAppData appdata;
    RecordingCore recorder;
    App app;
    app.core = recorder.core();
    app.settings.volume = 42;
    app.settings.mpv_options = "hwdec=no";

    run_command(app, {CommandId::switch_language, 0, Language::french});
    EXPECT_FALSE(english_active());
    EXPECT_EQ(app.settings.language, "fr");
    Settings expected = app.settings;
    EXPECT_EQ(read_file(settings_path()), format_settings(expected));
    EXPECT_NE(read_file(settings_path())->find("\nlanguage=fr\n"), std::string::npos);
    EXPECT_TRUE(has_call(recorder, "async 0 [show-text] [Langue : français] [1500]"));

    recorder.calls.clear();
    run_command(app, {CommandId::switch_language, 0, Language::english});
    EXPECT_TRUE(english_active());
    EXPECT_NE(read_file(settings_path())->find("\nlanguage=en\n"), std::string::npos);
    EXPECT_EQ(load_settings().mpv_options, "hwdec=no");
    EXPECT_TRUE(has_call(recorder, "async 0 [show-text] [Language: English] [1500]"));
    EXPECT_EQ(recorder.calls.size(), 1u);

    // Without the player core there is nothing to announce, but the choice is still kept.
    app.core.reset();
    run_command(app, {CommandId::switch_language, 0, Language::french});
    EXPECT_EQ(load_settings().language, "fr");
    set_active_language(Language::english);
}

class LanguageWindows : public ProgramWindows {};

TEST_F(LanguageWindows, SwitchRedrawsTheOpenWindows) {
    const HWND main_window = app.windows.main_window;
    // Children rather than pop-ups stand in for Help and About only to keep the test fast under
    // Wine; invalidation is the same.
    const auto stand_in = [&] {
        return CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, main_window, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    const HWND help = stand_in();
    const HWND about = stand_in();
    stand_in_card(app, &AppWindows::help, help);
    stand_in_card(app, &AppWindows::about, about);
    ASSERT_NE(app.windows.tooltip_window, nullptr);
    const HWND old_tooltip = app.windows.tooltip_window;
    SetWindowPos(app.windows.bar_window, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND window : {main_window, app.windows.bar_window, help, about}) UpdateWindow(window);
    ASSERT_FALSE(GetUpdateRect(app.windows.bar_window, nullptr, FALSE));

    run_command(app, {CommandId::switch_language, 0, Language::french});

    EXPECT_FALSE(IsWindow(old_tooltip)) << "the old tooltip control speaks the old language";
    EXPECT_NE(app.windows.tooltip_window, nullptr);
    RECT bar{};
    GetWindowRect(app.windows.bar_window, &bar);
    EXPECT_GT(bar.bottom - bar.top, 10) << "the children were laid out again";
    EXPECT_TRUE(GetUpdateRect(app.windows.bar_window, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(help, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(about, nullptr, FALSE));

    stand_in_card(app, &AppWindows::about, nullptr);
    stand_in_card(app, &AppWindows::help, nullptr);
    DestroyWindow(help);
    DestroyWindow(about);
}

}  // namespace
