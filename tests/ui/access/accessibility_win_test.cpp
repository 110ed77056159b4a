// The UI Automation providers called directly, as a screen reader's requests would arrive: the tree,
// names, types and rectangles, the patterns' actions checked in the recording core's log, the
// events, and the rule that only the user-interface thread changes what the providers read.
#include "base/win32_win.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/colour_scheme_win.h"
#include "base/dpi_scale.h"
#include "base/wide_win.h"
#include "support/program_windows_win.h"
#include "ui/access/accessibility_win.h"
#include "ui/bar/bar_model.h"
#include "ui/cards/help_window.h"
#include "ui/input/context_menu_win.h"
#include "ui/main_window_win.h"
#include "ui/state_changed_win.h"

namespace {

// Events the providers raised, as "property <id> <element>" or "structure".
std::vector<std::string>& raised() {
    static std::vector<std::string> events;
    return events;
}
bool& listening() {
    static bool on = true;
    return on;
}

// What the stand-ins for UiaReturnRawElementProvider and UiaDisconnectProvider were given: "window
// wparam lparam root", "disconnect root", with " sent" while a message from another thread was
// being answered, where Windows refuses the disconnect.
std::vector<std::string>& uia_calls() {
    static std::vector<std::string> calls;
    return calls;
}
std::string hex(const void* p) { return std::to_string(reinterpret_cast<uintptr_t>(p)); }
constexpr LRESULT kUiaAnswer = 0x5A17;

std::string bstr_property(IRawElementProviderSimple* element, PROPERTYID id) {
    VARIANT v;
    VariantInit(&v);
    element->GetPropertyValue(id, &v);
    std::string text = v.vt == VT_BSTR && v.bstrVal ? narrow(std::wstring_view(v.bstrVal)) : "?";
    VariantClear(&v);
    return text;
}

long int_property(IRawElementProviderSimple* element, PROPERTYID id) {
    VARIANT v;
    VariantInit(&v);
    element->GetPropertyValue(id, &v);
    return v.vt == VT_I4 ? v.lVal : v.vt == VT_BOOL ? (v.boolVal ? 1 : 0) : -1;
}

// The runtime id an element gives UI Automation; empty when it has none of its own.
std::vector<LONG> runtime_id(IRawElementProviderFragment* element) {
    SAFEARRAY* ids = nullptr;
    std::vector<LONG> out;
    if (FAILED(element->GetRuntimeId(&ids)) || !ids) return out;
    LONG first = 0, last = -1;
    SafeArrayGetLBound(ids, 1, &first);
    SafeArrayGetUBound(ids, 1, &last);
    for (LONG i = first; i <= last; ++i) {
        LONG value = 0;
        SafeArrayGetElement(ids, &i, &value);
        out.push_back(value);
    }
    SafeArrayDestroy(ids);
    return out;
}

// A reference to a provider interface, released at the end of the scope.
template <typename Interface>
using Ref = ComRef<Interface>;

template <typename Interface>
Ref<Interface> query(IUnknown* element, REFIID iid) {
    Interface* p = nullptr;
    if (element) element->QueryInterface(iid, reinterpret_cast<void**>(&p));
    return Ref<Interface>(p);
}

class Accessible : public ProgramWindows {
protected:
    void SetUp() override {
        ProgramWindows::SetUp();
        forget_providers();
        raised().clear();
        listening() = true;
        Accessibility& access = accessibility(app);
        access.api.UiaClientsAreListening = [] { return listening() ? TRUE : FALSE; };
        access.api.UiaRaiseAutomationPropertyChangedEvent = [](IRawElementProviderSimple* e, PROPERTYID id, VARIANT,
                                                               VARIANT) {
            raised().push_back("property " + std::to_string(id) + " " + bstr_property(e, UIA_AutomationIdPropertyId));
            return S_OK;
        };
        access.api.UiaRaiseStructureChangedEvent = [](IRawElementProviderSimple*, int, int*, int) {
            raised().push_back("structure");
            return S_OK;
        };
        uia_calls().clear();
        access.api.UiaReturnRawElementProvider = [](HWND window, WPARAM wparam, LPARAM lparam,
                                                    IRawElementProviderSimple* root) -> LRESULT {
            if (root)
                uia_calls().push_back(hex(window) + " " + std::to_string(wparam) + " " + std::to_string(lparam) + " " +
                                      hex(root));
            return root ? kUiaAnswer : 0;
        };
        access.api.UiaDisconnectProvider = [](IRawElementProviderSimple* root) -> HRESULT {
            uia_calls().push_back("disconnect " + hex(root) + (InSendMessage() ? " sent" : ""));
            return S_OK;
        };
    }
    void TearDown() override {
        set_active_language(Language::english);
        app.windows.palette = choose_palette(false, {});
        ProgramWindows::TearDown();
        forget_providers();
    }
    void forget_providers() {
        if (!app.windows.accessibility) return;
        for (auto slot : {&Accessibility::bar, &Accessibility::help, &Accessibility::about})
            if (const auto& store = (*app.windows.accessibility).*slot) store->disconnect();
        app.windows.accessibility.reset();
    }

    // The root the bar hands out, after the request a screen reader makes first.
    Ref<IRawElementProviderSimple> bar_root() {
        EXPECT_NE(SendMessageW(app.windows.bar_window, WM_GETOBJECT, 0, kUiaRootObjectId), 0);
        return Ref<IRawElementProviderSimple>(make_accessible_provider(app.windows.accessibility->bar, -1));
    }
    static std::vector<Ref<IRawElementProviderSimple>> children(IRawElementProviderSimple* root,
                                                                bool backwards = false) {
        std::vector<Ref<IRawElementProviderSimple>> out;
        auto fragment = query<IRawElementProviderFragment>(root, IID_IRawElementProviderFragment);
        IRawElementProviderFragment* next = nullptr;
        fragment->Navigate(backwards ? NavigateDirection_LastChild : NavigateDirection_FirstChild, &next);
        while (next && out.size() < 64) {
            out.push_back(query<IRawElementProviderSimple>(next, IID_IRawElementProviderSimple));
            IRawElementProviderFragment* after = nullptr;
            next->Navigate(backwards ? NavigateDirection_PreviousSibling : NavigateDirection_NextSibling, &after);
            next->Release();
            next = after;
        }
        return out;
    }
    Ref<IRawElementProviderSimple> bar_element(const char* automation_id) {
        for (auto& child : children(bar_root().get()))
            if (bstr_property(child.get(), UIA_AutomationIdPropertyId) == automation_id) return std::move(child);
        ADD_FAILURE() << "no element " << automation_id;
        return {};
    }
    static std::vector<std::string> names(IRawElementProviderSimple* root) {
        std::vector<std::string> out;
        for (const auto& child : children(root)) out.push_back(bstr_property(child.get(), UIA_NamePropertyId));
        return out;
    }
};

TEST_F(Accessible, BarTreeOrderTypesAndNamesInBothLanguages) {
    const auto root = bar_root();
    EXPECT_EQ(bstr_property(root.get(), UIA_NamePropertyId), "Playback controls");
    EXPECT_EQ(int_property(root.get(), UIA_ControlTypePropertyId), kUiaToolBar);
    EXPECT_EQ(int_property(root.get(), UIA_IsEnabledPropertyId), 1);  // the window is disabled, the bar is not

    const auto forwards = children(root.get());
    const auto backwards = children(root.get(), true);
    ASSERT_EQ(forwards.size(), 13u);
    ASSERT_EQ(backwards.size(), 13u);
    const std::vector<std::pair<const char*, long>> expected = {
        {"open", kUiaButton},  {"play_pause", kUiaButton}, {"back", kUiaButton},   {"forward", kUiaButton},
        {"time", kUiaText},    {"seek", kUiaSlider},       {"mute", kUiaButton},   {"volume", kUiaSlider},
        {"audio", kUiaButton}, {"subtitles", kUiaButton},  {"on_top", kUiaButton}, {"fullscreen", kUiaButton},
        {"help", kUiaButton}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bstr_property(forwards[i].get(), UIA_AutomationIdPropertyId), expected[i].first);
        EXPECT_EQ(int_property(forwards[i].get(), UIA_ControlTypePropertyId), expected[i].second);
        EXPECT_EQ(bstr_property(backwards[12 - i].get(), UIA_AutomationIdPropertyId), expected[i].first);
        auto fragment = query<IRawElementProviderFragment>(forwards[i].get(), IID_IRawElementProviderFragment);
        Ref<IRawElementProviderFragment> parent;
        fragment->Navigate(NavigateDirection_Parent, reinterpret_cast<IRawElementProviderFragment**>(parent.put()));
        auto parent_simple = query<IRawElementProviderSimple>(parent.get(), IID_IRawElementProviderSimple);
        EXPECT_EQ(bstr_property(parent_simple.get(), UIA_AutomationIdPropertyId), "control_bar");
        // Unique within the window, whose own id UI Automation puts in front.
        EXPECT_EQ(runtime_id(fragment.get()), (std::vector<LONG>{kUiaAppendRuntimeId, static_cast<LONG>(i) + 1}));
    }
    EXPECT_TRUE(
        runtime_id(query<IRawElementProviderFragment>(root.get(), IID_IRawElementProviderFragment).get()).empty());
    const std::vector<std::string> english = names(root.get());
    EXPECT_EQ(english[0], "Open a file (Ctrl+O)");
    EXPECT_EQ(english[1], "Play (Space)");
    EXPECT_EQ(english[4], "\xE2\x80\x94");

    raised().clear();
    run_command(app, {CommandId::switch_language, 0, Language::french});
    EXPECT_EQ(bstr_property(root.get(), UIA_NamePropertyId), "Commandes de lecture");
    const std::vector<std::string> french = names(root.get());
    EXPECT_EQ(french[0], "Ouvrir un fichier (Ctrl+O)");
    EXPECT_EQ(french[12], "Aide (F1)");
    ASSERT_FALSE(raised().empty());
    EXPECT_EQ(raised()[0], "structure");
    EXPECT_EQ(raised()[1], "property " + std::to_string(UIA_NamePropertyId) + " control_bar");

    run_command(app, {CommandId::switch_language, 0, Language::english});
    EXPECT_EQ(names(root.get()), english);
}

TEST_F(Accessible, RectanglesInScreenCoordinatesFollowTheDpi) {
    for (const uint32_t dpi : {96u, 144u}) {
        SCOPED_TRACE(dpi);
        app.windows.dpi = dpi;
        layout_children(app);
        RECT bar{};
        GetWindowRect(app.windows.bar_window, &bar);
        EXPECT_EQ(bar.bottom - bar.top, scale_px(44, dpi));
        const BarLayout l = compute_bar_layout(dpi, bar.right - bar.left, bar.bottom - bar.top);
        const std::pair<const char*, BarRect> cases[] = {{"open", l.button(kButtonOpen).rect},
                                                         {"seek", l.seek_rect},
                                                         {"volume", l.volume_rect},
                                                         {"help", l.button(kButtonHelp).rect}};
        for (const auto& [id, rect] : cases) {
            auto fragment = query<IRawElementProviderFragment>(bar_element(id).get(), IID_IRawElementProviderFragment);
            UiaRect r{};
            fragment->get_BoundingRectangle(&r);
            EXPECT_EQ(r.left, bar.left + rect.left) << id;
            EXPECT_EQ(r.top, bar.top) << id;
            EXPECT_EQ(r.width, rect.right - rect.left) << id;
            EXPECT_EQ(r.height, bar.bottom - bar.top) << id;
            // The point in the middle of it leads back to it.
            auto root = query<IRawElementProviderFragmentRoot>(bar_root().get(), IID_IRawElementProviderFragmentRoot);
            Ref<IRawElementProviderFragment> hit;
            root->ElementProviderFromPoint(r.left + r.width / 2, r.top + r.height / 2,
                                           reinterpret_cast<IRawElementProviderFragment**>(hit.put()));
            auto hit_simple = query<IRawElementProviderSimple>(hit.get(), IID_IRawElementProviderSimple);
            EXPECT_EQ(bstr_property(hit_simple.get(), UIA_AutomationIdPropertyId), id);
        }
    }
    app.windows.dpi = 96;
    layout_children(app);
}

// Each button's Invoke runs its click's action: the transport and volume ones reach the player core.
TEST_F(Accessible, InvokeRunsTheButtonsActions) {
    load_file(600);
    app.playback.position = 100;
    state_changed(app, kChangedBar);
    const std::pair<const char*, const char*> cases[] = {
        {"play_pause", "set 0 pause=1"},
        {"back", "line osd-msg-bar seek -10 relative+exact"},
        {"forward", "line osd-msg-bar seek 10 relative+exact"},
        {"mute", "set 0 mute=1"},
    };
    for (const auto& [id, expected] : cases) {
        SCOPED_TRACE(id);
        recorder.calls.clear();
        auto invoke = query<IInvokeProvider_>(bar_element(id).get(), kIidInvokeProvider);
        ASSERT_NE(invoke.get(), nullptr);
        EXPECT_EQ(invoke->Invoke(), S_OK);
        EXPECT_TRUE(recorder.calls.empty());  // posted, not run on the reader's call
        pump_messages();
        ASSERT_FALSE(recorder.calls.empty());
        EXPECT_EQ(recorder.calls[0], expected);
    }
    // Pause changed the button's name, and the reader was told.
    EXPECT_EQ(bstr_property(bar_element("play_pause").get(), UIA_NamePropertyId), "Play (Space)");

    // The buttons without a core call: the window modes and the Help window.
    auto on_top = bar_element("on_top");
    auto toggle = query<IToggleProvider_>(on_top.get(), kIidToggleProvider);
    int state = -1;
    toggle->get_ToggleState(&state);
    EXPECT_EQ(state, kToggleOff);
    EXPECT_EQ(toggle->Toggle(), S_OK);
    pump_messages();
    EXPECT_TRUE(app.settings.always_on_top);
    toggle->get_ToggleState(&state);
    EXPECT_EQ(state, kToggleOn);
    toggle->Toggle();
    pump_messages();
    EXPECT_FALSE(app.settings.always_on_top);

    query<IInvokeProvider_>(bar_element("help").get(), kIidInvokeProvider)->Invoke();
    pump_messages();
    EXPECT_TRUE(app.windows.help);
}

TEST_F(Accessible, NothingRunsWhileDisabledOrOutOfRange) {
    auto play = query<IInvokeProvider_>(bar_element("play_pause").get(), kIidInvokeProvider);
    EXPECT_EQ(play->Invoke(), kUiaElementNotEnabled);
    auto seek = query<IRangeValueProvider_>(bar_element("seek").get(), kIidRangeValueProvider);
    BOOL read_only = FALSE;
    seek->get_IsReadOnly(&read_only);
    EXPECT_TRUE(read_only);
    EXPECT_EQ(seek->SetValue(10), kUiaElementNotEnabled);
    // A text has no patterns; a slider no Invoke.
    EXPECT_EQ(query<IInvokeProvider_>(bar_element("time").get(), kIidInvokeProvider).get(), nullptr);
    EXPECT_EQ(query<IInvokeProvider_>(seek.get(), kIidInvokeProvider).get(), nullptr);
    MSG message;
    EXPECT_FALSE(
        PeekMessageW(&message, app.windows.main_window, kMsgAccessibleAction, kMsgAccessibleAction, PM_NOREMOVE));

    load_file(120);
    state_changed(app, kChangedBar);
    for (const double value : {-1.0, 120.5, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(seek->SetValue(value), E_INVALIDARG) << value;
    pump_messages();
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Accessible, SetValueSeeksAndSetsTheVolume) {
    load_file(120);
    state_changed(app, kChangedBar);
    auto seek = query<IRangeValueProvider_>(bar_element("seek").get(), kIidRangeValueProvider);
    double maximum = 0;
    seek->get_Maximum(&maximum);
    EXPECT_EQ(maximum, 120);
    EXPECT_EQ(seek->SetValue(45.25), S_OK);
    auto volume = query<IRangeValueProvider_>(bar_element("volume").get(), kIidRangeValueProvider);
    EXPECT_EQ(volume->SetValue(33), S_OK);
    pump_messages();
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"async 0 [seek] [45.250] [absolute+exact]", "set 0 volume=33.000000"}));
    double value = 0;
    volume->get_Value(&value);
    EXPECT_EQ(value, 33);
}

// The reader's threads only read and post; the App state and the published tree change on the
// user-interface thread alone.
TEST_F(Accessible, OtherThreadsNeitherChangeTheStateNorPublish) {
    load_file(300);
    state_changed(app, kChangedBar);
    auto forward = bar_element("forward");
    const std::shared_ptr<AccessibleStore> store = app.windows.accessibility->bar;
    ASSERT_NE(store, nullptr);
    HRESULT invoked = E_FAIL;
    bool published = true;
    std::thread reader([&] {
        invoked = query<IInvokeProvider_>(forward.get(), kIidInvokeProvider)->Invoke();
        AccessibleTree empty;
        published = store->publish(empty);
    });
    reader.join();
    EXPECT_EQ(invoked, S_OK);
    EXPECT_FALSE(published);
    EXPECT_EQ(store->child_count(), 13);
    EXPECT_TRUE(recorder.calls.empty());
    pump_messages();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"line osd-msg-bar seek 10 relative+exact"}));
}

TEST_F(Accessible, EventsOnlyWhileClientsListen) {
    load_file(100);
    app.playback.position = 10.2;
    bar_root();
    const std::string value = "property " + std::to_string(UIA_RangeValueValuePropertyId);
    struct Step {
        double position;
        double volume;
        bool listen;
        std::vector<std::string> expected;
    };
    const Step steps[] = {
        {10.7, 80, true, {}},  // the same shown second
        {11.0, 80, true, {"property " + std::to_string(UIA_NamePropertyId) + " time", value + " seek"}},
        {11.0, 55, true, {value + " volume"}},
        {12.0, 40, false, {}},
        {12.0, 40, true, {}},  // nothing new since the last picture
    };
    for (const Step& step : steps) {
        raised().clear();
        listening() = step.listen;
        app.playback.position = step.position;
        app.playback.current_volume = step.volume;
        state_changed(app, kChangedBar);
        EXPECT_EQ(raised(), step.expected) << step.position;
    }
}

TEST_F(Accessible, HelpRowsReadable) {
    toggle_help(app, run_command);
    pump_messages();
    ASSERT_TRUE(app.windows.help);
    const HWND help = app.windows.help->window;
    EXPECT_NE(SendMessageW(help, WM_GETOBJECT, 0, kUiaRootObjectId), 0);
    Ref<IRawElementProviderSimple> root(make_accessible_provider(app.windows.accessibility->help, -1));
    const HelpPage page = help_page(app.settings.multi_instance);
    EXPECT_EQ(bstr_property(root.get(), UIA_NamePropertyId), page.title);
    size_t rows = 1 + page.notes.size();
    for (const auto& column : page.columns)
        for (const HelpGroup& group : column) rows += 1 + group.lines.size();
    const std::vector<std::string> english = names(root.get());
    ASSERT_EQ(english.size(), rows);
    EXPECT_EQ(english[0], page.title);
    EXPECT_EQ(english[1], page.columns[0][0].heading);
    EXPECT_EQ(english[2], page.columns[0][0].lines[0].keys + ": " + page.columns[0][0].lines[0].action);
    EXPECT_EQ(english.back(), page.notes.back());
    for (const auto& child : children(root.get()))
        EXPECT_EQ(int_property(child.get(), UIA_ControlTypePropertyId), kUiaText);

    run_command(app, {CommandId::switch_language, 0, Language::french});
    pump_messages();
    const HelpPage french = help_page(app.settings.multi_instance);
    EXPECT_EQ(names(root.get())[2], french.columns[0][0].lines[0].keys + " : " + french.columns[0][0].lines[0].action);

    close_help(app);
    VARIANT v;
    EXPECT_EQ(root->GetPropertyValue(UIA_NamePropertyId, &v), kUiaElementNotAvailable);
}

TEST_F(Accessible, AboutCheckBoxAndLinks) {
    show_about(app, run_command);
    pump_messages();
    ASSERT_TRUE(app.windows.about);
    const HWND about = app.windows.about->window;
    EXPECT_NE(SendMessageW(about, WM_GETOBJECT, 0, kUiaRootObjectId), 0);
    Ref<IRawElementProviderSimple> root(make_accessible_provider(app.windows.accessibility->about, -1));
    EXPECT_EQ(bstr_property(root.get(), UIA_NamePropertyId), "About Tarnwick Light");
    const auto items = children(root.get());
    ASSERT_EQ(items.size(), 6u);
    const std::pair<const char*, long> expected[] = {{"title", kUiaText},         {"description", kUiaText},
                                                     {"link_mpv", kUiaHyperlink}, {"link_licence", kUiaHyperlink},
                                                     {"dont_show", kUiaCheckBox}, {"close", kUiaButton}};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(bstr_property(items[i].get(), UIA_AutomationIdPropertyId), expected[i].first);
        EXPECT_EQ(int_property(items[i].get(), UIA_ControlTypePropertyId), expected[i].second);
    }
    EXPECT_NE(query<IInvokeProvider_>(items[2].get(), kIidInvokeProvider).get(), nullptr);
    EXPECT_NE(query<IInvokeProvider_>(items[3].get(), kIidInvokeProvider).get(), nullptr);
    EXPECT_EQ(query<IInvokeProvider_>(items[0].get(), kIidInvokeProvider).get(), nullptr);

    auto check = query<IToggleProvider_>(items[4].get(), kIidToggleProvider);
    EXPECT_EQ(check->Toggle(), S_OK);
    pump_messages();
    EXPECT_TRUE(app.settings.hide_about);
    int state = -1;
    check->get_ToggleState(&state);
    EXPECT_EQ(state, kToggleOn);

    EXPECT_EQ(query<IInvokeProvider_>(items[5].get(), kIidInvokeProvider)->Invoke(), S_OK);
    pump_messages();
    EXPECT_FALSE(app.windows.about);
    EXPECT_FALSE(IsWindow(about));
}

// UI Automation serves older (MSAA) readers through the other object ids: every request goes to it
// as it came, with the one root the store keeps.
TEST_F(Accessible, EveryGetObjectReachesUiAutomationAsItCame) {
    for (const AccessibleSlot slot : {&Accessibility::bar, &Accessibility::help, &Accessibility::about}) {
        if (slot == &Accessibility::help) toggle_help(app, run_command);
        if (slot == &Accessibility::about) close_help(app), show_about(app, run_command);
        pump_messages();
        const CardWindow* card = slot == &Accessibility::help    ? app.windows.help.get()
                                 : slot == &Accessibility::about ? app.windows.about.get()
                                                                 : nullptr;
        const HWND host = slot == &Accessibility::bar ? app.windows.bar_window : card ? card->window : nullptr;
        ASSERT_NE(host, nullptr);
        uia_calls().clear();
        std::vector<std::string> expected;
        for (const LPARAM id : {LPARAM{kUiaRootObjectId}, LPARAM{OBJID_CLIENT}, LPARAM{OBJID_WINDOW}, LPARAM{7}}) {
            EXPECT_EQ(SendMessageW(host, WM_GETOBJECT, 32, id), kUiaAnswer);
            expected.push_back(hex(host) + " 32 " + std::to_string(id) + " " +
                               hex(((*app.windows.accessibility).*slot)->root()));
        }
        EXPECT_EQ(uia_calls(), expected);
    }
}

// A reader closes Help from its own thread (WM_CLOSE sent): Help asks the main window, whose message
// can come sent from another thread as well. The root the reader was given is disconnected once,
// outside sent messages; and the program, closing with Help open, retires it too.
TEST_F(Accessible, DisconnectTakesTheRootGivenOutsideSentMessagesAndAtClose) {
    enum class Way { asked, close_message_sent, at_close };
    for (const Way way : {Way::asked, Way::close_message_sent, Way::at_close}) {
        toggle_help(app, run_command);
        pump_messages();
        ASSERT_TRUE(app.windows.help);
        const HWND help = app.windows.help->window;
        uia_calls().clear();  // the last round's root may have been freed at this same address
        SendMessageW(help, WM_GETOBJECT, 0, kUiaRootObjectId);
        const std::string disconnect = "disconnect " + hex(app.windows.accessibility->help->root());
        if (way == Way::at_close) {
            close_sequence(app);
        } else {
            std::atomic<bool> done{false};
            const HWND main = app.windows.main_window;
            std::thread reader([help, main, way, &done] {
                SendMessageW(help, WM_CLOSE, 0, 0);
                if (way == Way::close_message_sent) SendMessageW(main, kMsgCloseCard, 0, 0);
                done = true;
            });
            while (!done) {  // answers sent messages only; what they post stays queued
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
                MSG message;
                PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
            reader.join();
            EXPECT_EQ(std::count(uia_calls().begin(), uia_calls().end(), disconnect), 0);
        }
        pump_messages();
        EXPECT_FALSE(IsWindow(help));
        EXPECT_EQ(app.windows.accessibility->help, nullptr);
        EXPECT_EQ(std::count(uia_calls().begin(), uia_calls().end(), disconnect), 1) << static_cast<int>(way);
    }
}

TEST_F(Accessible, HighContrastPaletteReachesThePaint) {
    constexpr SystemColours black{0x000000, 0xFFFFFF, 0xFFEB1A, 0x000000, 0x3FF23F, 0x00FFFF};
    app.windows.palette = choose_palette(true, black);
    load_file(100);
    app.playback.position = 50;
    const Picture picture = print_client(app.windows.bar_window);
    const BarLayout l = layout();
    EXPECT_EQ(picture.at(picture.width / 2, picture.height - 2), 0x000000u);  // background
    EXPECT_EQ(picture.at(picture.width / 2, 0), 0xFFFFFFu);                   // top edge
    const int middle = picture.height / 2;
    EXPECT_EQ(picture.at(l.seek_rect.left + 10, middle), 0xFFEB1Au);   // played part
    EXPECT_EQ(picture.at(l.seek_rect.right - 10, middle), 0x000000u);  // track inside its outline
    const int track_top = middle - scale_px(4, 96) / 2;
    EXPECT_EQ(picture.at(l.seek_rect.right - 10, track_top), 0xFFFFFFu);

    // Windows says the colours changed: the palette is read again (high contrast is off here).
    SendMessageW(app.windows.main_window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_FALSE(app.windows.palette.high_contrast);
    EXPECT_EQ(print_client(app.windows.bar_window).at(picture.width / 2, picture.height - 2), kDarkPalette.background);
}

}  // namespace
