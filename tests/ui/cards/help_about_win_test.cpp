// The Help and About windows opened over a real main window: what both cards share (placement, DPI,
// painting), then each card's keys, clicks, focus and close paths.
#include "base/win32_win.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/names_win.h"
#include "app/settings/language.h"
#include "app/settings/settings_win.h"
#include "base/dpi_scale.h"
#include "base/number_format.h"
#include "base/wide_win.h"
#include "support/program_windows_win.h"
#include "ui/bar/bar_model.h"
#include "ui/input/input_win.h"

namespace {

POINT centre_of(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
POINT centre_of(const PixelRect& r) { return centre_of(to_rect(r)); }

void expect_centred_over(HWND window, HWND owner) {
    RECT inner{};
    RECT outer{};
    GetWindowRect(window, &inner);
    GetWindowRect(owner, &outer);
    const POINT a = centre_of(inner);
    const POINT b = centre_of(outer);
    EXPECT_LE(std::abs(a.x - b.x), 1);
    EXPECT_LE(std::abs(a.y - b.y), 1);
}

bool pictures_differ(const Picture& a, const Picture& b) {
    return a.width != b.width || a.height != b.height || a.bgra != b.bgra;
}

// The settings file as the program last wrote it; empty when there is none.
std::string read_settings_text() {
    std::string text;
    FILE* file = _wfopen(wide(settings_folder() + "\\settings.ini").c_str(), L"rb");
    if (!file) return text;
    char buffer[512];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    fclose(file);
    return text;
}

bool has_colour_other_than(const Picture& p, COLORREF a, COLORREF b, RECT area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (p.at(x, y) != a && p.at(x, y) != b) return true;
    return false;
}

// The two cards, for what they share.
struct CardCase {
    const char* name;
    const wchar_t* class_name;
    const wchar_t* title;
    void (*open)(App& app);
    void (*close)(App& app);
    CardPlace place;
};
const CardCase kCards[] = {
    {"Help", L"TarnwickLight.Help", L"Help \x2014 " TARNWICK_WIDE(TARNWICK_VERSION_STRING),
     [](App& app) { toggle_help(app, run_command); }, close_help, &AppWindows::help},
    {"About", L"TarnwickLight.About", L"About Tarnwick Light", [](App& app) { show_about(app, run_command); },
     destroy_about, &AppWindows::about},
};

class Cards : public ProgramWindows {
protected:
    void TearDown() override {
        set_active_language(Language::english);
        ProgramWindows::TearDown();
    }
    CardWindow* card(const CardCase& c) { return (app.windows.*c.place).get(); }
    HWND open(const CardCase& c) {
        c.open(app);
        pump_messages();
        return card(c) ? card(c)->window : nullptr;
    }
    // The size the card asks for at its own DPI.
    SIZE needed(const CardCase& c) { return card(c)->kind->size(app, card(c)->style); }
    void expect_size(const CardCase& c, const RECT& window_rect) {
        EXPECT_EQ(window_rect.right - window_rect.left, needed(c).cx);
        EXPECT_EQ(window_rect.bottom - window_rect.top, needed(c).cy);
    }
};

TEST_F(Cards, OpenCentredOverTheMainWindowWithTheFocus) {
    for (const CardCase& c : kCards) {
        SCOPED_TRACE(c.name);
        const HWND window = open(c);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(class_name_of(window), c.class_name);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(GetWindow(window, GW_OWNER), app.windows.main_window);
        EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
        EXPECT_EQ(GetFocus(), window);
        RECT client{};
        GetClientRect(window, &client);
        expect_size(c, client);
        expect_centred_over(window, app.windows.main_window);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        EXPECT_EQ(std::wstring(title), c.title);
        c.close(app);
        EXPECT_FALSE(card(c));
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(GetFocus(), app.windows.main_window);
    }
}

TEST_F(Cards, FollowADpiChangeOfTheMainWindow) {
    for (const CardCase& c : kCards) {
        SCOPED_TRACE(c.name);
        const HWND window = open(c);
        ASSERT_NE(window, nullptr);
        RECT before{};
        GetWindowRect(window, &before);
        SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
        pump_messages();
        RECT after{};
        GetWindowRect(window, &after);
        EXPECT_EQ(card(c)->style.dpi, 144u);
        expect_size(c, after);
        EXPECT_GT(after.right - after.left, before.right - before.left);
        expect_centred_over(window, app.windows.main_window);
        SendMessageW(app.windows.main_window, WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
        c.close(app);
    }
}

// Dragged to a monitor of another scale, a card lays itself out at its own DPI where Windows put it;
// the main window keeps its DPI and fonts.
TEST_F(Cards, HandleTheirOwnDpiChange) {
    for (const CardCase& c : kCards) {
        SCOPED_TRACE(c.name);
        const HWND window = open(c);
        ASSERT_NE(window, nullptr);
        RECT before{};
        GetWindowRect(window, &before);
        const HFONT main_body = app.windows.fonts.body.get();
        RECT suggested{40, 50, 40 + (before.right - before.left) * 3 / 2, 50 + (before.bottom - before.top) * 3 / 2};
        EXPECT_EQ(SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)), 0);
        pump_messages();
        EXPECT_EQ(app.windows.dpi, 96u);
        EXPECT_EQ(app.windows.fonts.body.get(), main_body);
        RECT after{};
        GetWindowRect(window, &after);
        EXPECT_EQ(after.left, suggested.left);
        EXPECT_EQ(after.top, suggested.top);
        expect_size(c, after);
        EXPECT_GT(after.right - after.left, before.right - before.left);
        const CardStyle& style = card(c)->style;
        EXPECT_EQ(style.dpi, 144u);
        for (const auto& [font, size] :
             {std::pair{style.fonts.title.get(), 20}, {style.fonts.body.get(), 14}, {style.link.get(), 14}}) {
            LOGFONTW logical{};
            ASSERT_TRUE(GetObjectW(font, sizeof logical, &logical));
            EXPECT_EQ(logical.lfHeight, -scale_px(size, 144));
        }
        c.close(app);
    }
}

TEST_F(Cards, PaintABorderedCardAndRedrawInTheOtherLanguage) {
    for (const CardCase& c : kCards) {
        SCOPED_TRACE(c.name);
        const HWND window = open(c);
        ASSERT_NE(window, nullptr);
        const Picture english = print_client(window);
        ASSERT_GT(english.width, 100);
        EXPECT_EQ(english.at(0, english.height / 2), kDarkPalette.track);  // the one-pixel border
        EXPECT_EQ(english.at(english.width - 1, english.height / 2), kDarkPalette.track);
        EXPECT_EQ(english.at(4, english.height - 4), kDarkPalette.background);
        EXPECT_EQ(english.at(english.width - 4, english.height - 4), kDarkPalette.background);
        const bool text_drawn = has_colour_other_than(english, kDarkPalette.background, kDarkPalette.track,
                                                      RECT{0, 0, english.width, english.height});
        if (text_drawn) {
            set_active_language(Language::french);
            EXPECT_TRUE(pictures_differ(english, print_client(window)));
            set_active_language(Language::english);
        }
        c.close(app);
        if (!text_drawn) GTEST_SKIP() << "no text drawn: no usable font";
    }
}

TEST_F(Cards, CloseSequenceDestroysBoth) {
    const HWND about = open(kCards[1]);
    const HWND help = open(kCards[0]);
    ASSERT_NE(about, nullptr);
    ASSERT_NE(help, nullptr);
    close_sequence(app);
    EXPECT_FALSE(app.windows.about);
    EXPECT_FALSE(app.windows.help);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_FALSE(IsWindow(help));
    EXPECT_FALSE(IsWindow(app.windows.main_window));
    pump_messages();
}

class HelpWindow : public ProgramWindows {
protected:
    void TearDown() override {
        set_active_language(Language::english);
        ProgramWindows::TearDown();
    }
    HWND open() {
        toggle_help(app, run_command);
        pump_messages();
        return app.windows.help ? app.windows.help->window : nullptr;
    }
    void expect_closed(HWND help) {
        EXPECT_FALSE(app.windows.help);
        EXPECT_FALSE(IsWindow(help));
        EXPECT_EQ(GetFocus(), app.windows.main_window);
    }
};

// As About: the card asks, and the main window closes it when the message arrives.
TEST_F(HelpWindow, EscF1AndClicksClose) {
    for (UINT key : {VK_ESCAPE, VK_F1}) {
        const HWND help = open();
        ASSERT_NE(help, nullptr);
        SendMessageW(help, WM_KEYDOWN, key, 0);
        EXPECT_TRUE(app.windows.help && app.windows.help->to_close);
        pump_messages();
        expect_closed(help);
    }
    for (UINT click : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        const HWND help = open();
        ASSERT_NE(help, nullptr);
        SendMessageW(help, click, 0, MAKELPARAM(40, 40));
        pump_messages();
        expect_closed(help);
    }
    // Other keys leave it open.
    const HWND help = open();
    SendMessageW(help, WM_KEYDOWN, 'X', 0);
    SendMessageW(help, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(app.windows.help);
    EXPECT_EQ(app.windows.help->window, help);
}

TEST_F(HelpWindow, TogglesAndClosesOnFocusLoss) {
    HWND help = open();
    toggle_help(app, run_command);
    expect_closed(help);

    help = open();
    ASSERT_EQ(GetFocus(), help);
    SetFocus(app.windows.main_window);
    pump_messages();
    expect_closed(help);
}

TEST_F(HelpWindow, BarHelpButtonClosesItInsteadOfReopening) {
    const HWND help = open();
    const BarRect button = layout().button(kButtonHelp).rect;
    // The press gives the main window the focus first; the window must not come back.
    send(WM_LBUTTONDOWN, (button.left + button.right) / 2, bar_top() + 10, MK_LBUTTON);
    send(WM_LBUTTONUP, (button.left + button.right) / 2, bar_top() + 10);
    pump_messages();
    expect_closed(help);
    send(WM_LBUTTONDOWN, (button.left + button.right) / 2, bar_top() + 10, MK_LBUTTON);
    send(WM_LBUTTONUP, (button.left + button.right) / 2, bar_top() + 10);
    pump_messages();
    EXPECT_TRUE(app.windows.help);
}

TEST_F(HelpWindow, IToggleMultiInstance) {
    const bool before = app.settings.multi_instance;
    const HWND help = open();
    DeleteFileW(wide(settings_folder() + "\\settings.ini").c_str());
    SendMessageW(help, WM_KEYDOWN, 'I', 0);
    EXPECT_NE(app.settings.multi_instance, before);
    const std::string text = read_settings_text();
    EXPECT_NE(text.find(before ? "multi_instance=0" : "multi_instance=1"), std::string::npos) << text;
    ASSERT_TRUE(app.windows.help);
    EXPECT_EQ(app.windows.help->window, help);
}

class AboutWindowTest : public ProgramWindows {
public:
    void click_client(HWND window, POINT p) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

protected:
    void TearDown() override {
        set_active_language(Language::english);
        ProgramWindows::TearDown();
    }
    HWND open() {
        show_about(app, run_command);
        pump_messages();
        return app.windows.about ? app.windows.about->window : nullptr;
    }
    LRESULT hit_test(HWND window, POINT client_point) {
        ClientToScreen(window, &client_point);
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(client_point.x, client_point.y));
    }
    void expect_closed(HWND about) {
        EXPECT_FALSE(app.windows.about);
        EXPECT_FALSE(IsWindow(about));
        EXPECT_EQ(GetFocus(), app.windows.main_window);
    }
};

TEST_F(AboutWindowTest, TopBandDragsExceptTheCross) {
    const HWND about = open();
    const AboutLayout l = about_layout(app.windows.dpi);
    EXPECT_EQ(hit_test(about, POINT{10, 5}), HTCAPTION);
    EXPECT_EQ(hit_test(about, POINT{l.close_cross.left - 1, l.band.bottom - 1}), HTCAPTION);
    EXPECT_EQ(hit_test(about, POINT{10, l.band.bottom}), HTCLIENT);
    EXPECT_EQ(hit_test(about, centre_of(l.close_cross)), HTCLIENT);
    EXPECT_EQ(hit_test(about, centre_of(l.logo)), HTCLIENT);
    EXPECT_EQ(l.band.bottom, 44);
    EXPECT_EQ(about_layout(144).band.bottom, 66);
}

TEST_F(AboutWindowTest, CheckBoxSetsHideAboutAndShowsIt) {
    const HWND about = open();
    const AboutLayout l = about_layout(app.windows.dpi);
    // Away from the check mark's strokes.
    const POINT inside_box{l.check_box.left + 12, l.check_box.top + 12};
    EXPECT_EQ(print_client(about).at(inside_box.x, inside_box.y), kDarkPalette.background);

    click_client(about, centre_of(l.check_box));
    EXPECT_TRUE(app.settings.hide_about);
    EXPECT_EQ(print_client(about).at(inside_box.x, inside_box.y), kDarkPalette.accent);

    // The label is part of the check box; Space toggles it once Tab gave it the focus.
    click_client(about, POINT{l.dont_show.right - 5, centre_of(l.dont_show).y});
    EXPECT_FALSE(app.settings.hide_about);
    SendMessageW(about, WM_KEYDOWN, VK_TAB, 0);
    SendMessageW(about, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(app.settings.hide_about);

    // A press on the box released elsewhere changes nothing.
    SendMessageW(about, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre_of(l.check_box).x, centre_of(l.check_box).y));
    SendMessageW(about, WM_LBUTTONUP, 0, MAKELPARAM(centre_of(l.logo).x, centre_of(l.logo).y));
    EXPECT_TRUE(app.settings.hide_about);
    EXPECT_EQ(app.windows.about->window, about);
}

TEST_F(AboutWindowTest, CheckBoxWritesTheSettingsFile) {
    const HWND about = open();
    // A file left by an earlier test must not answer for this one.
    DeleteFileW(wide(settings_folder() + "\\settings.ini").c_str());
    ASSERT_FALSE(app.settings.hide_about);
    click_client(about, centre_of(about_layout(app.windows.dpi).check_box));
    const std::string text = read_settings_text();
    EXPECT_NE(text.find("hide_about=1"), std::string::npos) << text;
}

TEST_F(AboutWindowTest, EscapeTheCrossAndTheButtonClose) {
    const AboutLayout l = about_layout(app.windows.dpi);
    struct Way {
        const char* name;
        void (*close)(AboutWindowTest&, HWND, const AboutLayout&);
    } ways[] = {
        {"Esc", [](AboutWindowTest&, HWND w, const AboutLayout&) { SendMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"cross", [](AboutWindowTest& t, HWND w,
                     const AboutLayout& layout) { t.click_client(w, centre_of(layout.close_cross)); }},
        {"button", [](AboutWindowTest& t, HWND w,
                      const AboutLayout& layout) { t.click_client(w, centre_of(layout.close_button)); }},
        {"Alt+F4", [](AboutWindowTest&, HWND w, const AboutLayout&) { SendMessageW(w, WM_CLOSE, 0, 0); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const HWND about = open();
        ASSERT_NE(about, nullptr);
        way.close(*this, about, l);
        // It only asks; the main window destroys it when the message arrives.
        ASSERT_TRUE(app.windows.about);
        EXPECT_TRUE(app.windows.about->to_close);
        EXPECT_TRUE(IsWindow(about));
        pump_messages();
        expect_closed(about);
    }
}

// At start-up the About window has the focus over a video that starts playing: the Space meant to
// pause closes it. Only after Tab, with the check box focused, does Space tick it.
TEST_F(AboutWindowTest, SpaceAndEnterCloseUnlessTabFocusedTheCheckBox) {
    struct Case {
        const char* name;
        std::vector<WPARAM> keys;
        bool closes;
        bool hide_about;
    } cases[] = {
        {"Space", {VK_SPACE}, true, false},
        {"Enter", {VK_RETURN}, true, false},
        {"Tab Space", {VK_TAB, VK_SPACE}, false, true},
        {"Tab Space Space", {VK_TAB, VK_SPACE, VK_SPACE}, false, false},
        {"Tab Enter", {VK_TAB, VK_RETURN}, true, false},
        {"Tab Tab Space", {VK_TAB, VK_TAB, VK_SPACE}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.settings.hide_about = false;
        const HWND about = open();
        ASSERT_NE(about, nullptr);
        for (WPARAM key : c.keys) SendMessageW(about, WM_KEYDOWN, key, 0);
        EXPECT_EQ(app.settings.hide_about, c.hide_about);
        pump_messages();
        EXPECT_EQ(!app.windows.about, c.closes);
        destroy_about(app);
    }
}

// After its own DPI change, clicks land on the items where they are drawn at that DPI.
TEST_F(AboutWindowTest, ClicksFollowItsOwnDpi) {
    const HWND about = open();
    ASSERT_NE(about, nullptr);
    const AboutLayout big = about_layout(144);
    RECT suggested{20, 30, 20 + big.width, 30 + big.height};
    SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    click_client(about, centre_of(big.close_button));
    EXPECT_TRUE(app.windows.about->to_close);
}

// The pointer over a link makes it hot.
TEST_F(AboutWindowTest, PointerOverALinkMakesItHot) {
    const HWND about = open();
    const AboutLayout l = about_layout(app.windows.dpi);
    const POINT link = centre_of(l.link_mpv);
    SendMessageW(about, WM_MOUSEMOVE, 0, MAKELPARAM(link.x, link.y));
    EXPECT_EQ(app.windows.about->hot, static_cast<uint8_t>(AboutItem::link_mpv));
    SendMessageW(about, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(app.windows.about->hot, static_cast<uint8_t>(AboutItem::none));
    // A second request keeps the one window.
    show_about(app, run_command);
    EXPECT_EQ(app.windows.about->window, about);
}

// The logo is the program's bitmap 2, drawn at half size.
TEST(AboutLogo, LoadedFromTheProgramAndDrawnAtHalfSize) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program(path);
    program = program.substr(0, program.find_last_of(L'\\'));
    program = program.substr(0, program.find_last_of(L'\\')) + L"\\TarnwickLight.exe";
    const HMODULE module =
        LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) GTEST_SKIP() << "TarnwickLight.exe not found next to the tests";
    const OwnedBitmap logo(load_logo(module));
    FreeLibrary(module);
    ASSERT_TRUE(logo);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(logo.get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 600);
    EXPECT_EQ(info.bmHeight, 132);
    EXPECT_EQ(load_logo(GetModuleHandleW(nullptr)), nullptr) << "the tests carry no logo";

    // Draw it at 300 x 66 and compare with the source where a 2 x 2 block of it is uniform.
    const HDC screen = GetDC(nullptr);
    const MemoryCanvas canvas(screen, 300, 66);
    ReleaseDC(nullptr, screen);
    draw_logo(canvas.dc(), logo.get(), RECT{0, 0, 300, 66});
    const HDC source = CreateCompatibleDC(canvas.dc());
    const HGDIOBJ previous = SelectObject(source, logo.get());
    int compared = 0;
    for (int y = 0; y < 66; y += 3)
        for (int x = 0; x < 300; x += 7) {
            const COLORREF a = GetPixel(source, 2 * x, 2 * y);
            if (a != GetPixel(source, 2 * x + 1, 2 * y) || a != GetPixel(source, 2 * x, 2 * y + 1) ||
                a != GetPixel(source, 2 * x + 1, 2 * y + 1))
                continue;
            EXPECT_EQ(GetPixel(canvas.dc(), x, y), a) << x << "," << y;
            ++compared;
        }
    SelectObject(source, previous);
    DeleteDC(source);
    EXPECT_GT(compared, 500);
}

}  // namespace
