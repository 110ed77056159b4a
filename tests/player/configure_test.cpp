#include "player/configure.h"

#include <gtest/gtest.h>

#include "app/settings/language.h"
#include "support/recording_core.h"

namespace {

void no_wake_up(void*) {}

std::vector<std::string> options_of(const RecordingCore& recorder) {
    std::vector<std::string> options;
    for (const auto& call : recorder.calls)
        if (call.rfind("option ", 0) == 0) options.push_back(call.substr(7));
    return options;
}

std::string value_of(const OptionList& options, const std::string& name) {
    for (const auto& [option, value] : options)
        if (option == name) return value;
    return "(absent)";
}

// The options themselves, in order, are checked once against the real program in the start-up
// system test; here, that configuration sets exactly the program's list followed by the user's,
// and that the list carries the set-up.
TEST(Configure, ProgramOptionsInOrderThenUserOptions) {
    RecordingCore recorder;
    CoreSetup setup;
    setup.video_window = -1234;
    setup.watch_later_directory = "C:\\Users\\élise\\AppData\\Roaming\\Tarnwick Light\\watch_later";
    setup.volume = 57.5;
    setup.muted = true;
    setup.user_options = " hwdec = no ;; ;vf=format=bgr0=x;bare;";
    setup.client_name = "Tarnwick Light";
    EXPECT_FALSE(configure_core(recorder.core(), setup, no_wake_up, nullptr).has_value());

    OptionList all = program_options(setup);
    EXPECT_EQ(value_of(all, "wid"), "-1234");
    EXPECT_EQ(value_of(all, "watch-later-directory"), setup.watch_later_directory);
    EXPECT_EQ(value_of(all, "mute"), "yes");
    EXPECT_EQ(value_of(all, "audio-client-name"), "Tarnwick Light");
    const OptionList user = parse_user_options(setup.user_options);
    EXPECT_EQ(user, (OptionList{{"hwdec", "no"}, {"vf", "format=bgr0=x"}}));
    all.insert(all.end(), user.begin(), user.end());
    std::vector<std::string> expected;
    for (const auto& [name, value] : all) expected.push_back(name + "=" + value);
    EXPECT_EQ(options_of(recorder), expected);

    setup.muted = false;
    EXPECT_EQ(value_of(program_options(setup), "mute"), "no");
}

TEST(Configure, ObservesEightPropertiesAfterInitializeThenInstallsTheCallback) {
    RecordingCore recorder;
    int data = 0;
    EXPECT_FALSE(configure_core(recorder.core(), CoreSetup{}, no_wake_up, &data).has_value());
    std::vector<std::string> tail(recorder.calls.end() - 10, recorder.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"initialize", "observe 1 time-pos 5", "observe 2 duration 5",
                                              "observe 3 pause 3", "observe 4 volume 5", "observe 5 mute 3",
                                              "observe 6 eof-reached 3", "observe 7 speed 5", "observe 8 sid 1",
                                              "wakeup callback"}));
    EXPECT_EQ(recorder.wake_up, &no_wake_up);
    EXPECT_EQ(recorder.wake_up_data, &data);
}

TEST(Configure, InitializeFailureDestroysTheHandleAndSaysWhy) {
    RecordingCore recorder;
    recorder.initialize_status = -5;
    EXPECT_EQ(configure_core(recorder.core(), CoreSetup{}, no_wake_up, nullptr), -5);
    EXPECT_EQ(recorder.calls.back(), "terminate");
}

TEST(Configure, UserOptionsEdgeCases) {
    EXPECT_TRUE(parse_user_options("  ; ;;  ").empty());
    EXPECT_TRUE(parse_user_options("").empty());
    EXPECT_EQ(parse_user_options("a==b"), (OptionList{{"a", "=b"}}));
    EXPECT_EQ(parse_user_options("=x"), (OptionList{{"", "x"}}));
    EXPECT_EQ(parse_user_options("hwdec=no"), (OptionList{{"hwdec", "no"}}));
}

TEST(Configure, SavedVolumeIsRoundedHalfAwayFromZero) {
    CoreSetup setup;
    for (const auto& [volume, text] :
         std::vector<std::pair<double, std::string>>{{57.5, "58"}, {80, "80"}, {0.4, "0"}}) {
        setup.volume = volume;
        EXPECT_EQ(value_of(program_options(setup), "volume"), text);
    }
}

}  // namespace
