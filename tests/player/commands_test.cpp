#include "player/commands.h"

#include <gtest/gtest.h>

#include "support/recording_core.h"

namespace {

TEST(Commands, ZeroBytesAreDroppedAndEmptyArgumentsKept) {
    RecordingCore recorder;
    const Core core = recorder.core();
    EXPECT_EQ(c_string(std::string("a\0b\0", 4)), "ab");
    core_command(core, {"loadfile", std::string("C:\\v\0ideo.mkv", 13)});
    show_text(core, "", 1);
    post_command(core, {"seek", "0.000", "absolute+exact"});
    post_command_line(core, std::string("osd-msg-bar seek -1\0 relative+exact", 35));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{
                                  "command [loadfile] [C:\\video.mkv]",
                                  "async 0 [show-text] [] [1]",
                                  "async 0 [seek] [0.000] [absolute+exact]",
                                  "line osd-msg-bar seek -1 relative+exact",
                              }));
}

TEST(Commands, RunCommandReturnsTheStatus) {
    RecordingCore recorder;
    recorder.command_status["sub-add"] = -13;
    const Core core = recorder.core();
    EXPECT_EQ(core_command(core, {"sub-add", "x.srt", "select"}), -13);
    EXPECT_EQ(core_command(core, {"write-watch-later-config"}), 0);
}

TEST(Commands, PropertyWritesAreAsynchronousWithReplyIdZero) {
    RecordingCore recorder;
    const Core core = recorder.core();
    post_property_flag(core, "pause", true);
    post_property_double(core, "volume", 55);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"set 0 pause=1", "set 0 volume=55.000000"}));
}

TEST(Commands, ReadsFallBackWhenThePropertyIsMissing) {
    RecordingCore recorder;
    recorder.properties = {{"time-pos", "3725.4"}, {"track-list/count", "3"}, {"title", ""}};
    const Core core = recorder.core();
    EXPECT_EQ(read_int_property(core, "track-list/count"), 3);
    EXPECT_EQ(read_int_property(core, "track-list/0/id"), 0);
    EXPECT_EQ(read_string_property(core, "title"), std::string());
    EXPECT_FALSE(read_string_property(core, "lang").has_value());
    EXPECT_EQ(recorder.outstanding_strings, 0);
}

TEST(Commands, InvalidUtf8FromTheCoreIsRepairedAndStillFreed) {
    RecordingCore recorder;
    recorder.properties = {{"title", "ok\xFF\xC3"}};
    const Core core = recorder.core();
    EXPECT_EQ(read_string_property(core, "title"), std::string("ok\xEF\xBF\xBD\xEF\xBF\xBD"));
    EXPECT_EQ(recorder.outstanding_strings, 0);
}

}  // namespace
