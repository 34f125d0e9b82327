// What the saver makes of the command line the operating system starts it with.
#include <gtest/gtest.h>

#include <utility>

#include "saver/start/command_line.h"

namespace {

TEST(SaverCommandLine, SecondCharacterUpperCasedPicksTheMode) {
    const std::pair<const char*, SaverMode> cases[] = {
        {"/s", SaverMode::Run},
        {"-S", SaverMode::Run},
        {"/s   ", SaverMode::Run},
        {"／s", SaverMode::Run},
        {"/c:1234", SaverMode::Configure},
        {"/p 1234", SaverMode::Preview},
        {"", SaverMode::RunShowingCursor},
        {"/a", SaverMode::Unsupported},
        {"s", SaverMode::Unsupported},
        {"/ s", SaverMode::Unsupported},
    };
    for (const auto& [text, mode] : cases) {
        EXPECT_EQ(ParseSaverMode(text), mode) << '"' << text << '"';
    }
    EXPECT_TRUE(HidesCursor(SaverMode::Run));
    EXPECT_FALSE(HidesCursor(SaverMode::RunShowingCursor));
}

TEST(SaverCommandLine, PreviewHostIsTheNumberFromTheFourthCharacter) {
    EXPECT_EQ(PreviewHostWindow("/p 1234"), 1234);
    EXPECT_EQ(PreviewHostWindow("/p:1234"), 1234);
    EXPECT_EQ(PreviewHostWindow("/p  77 "), 77);
    EXPECT_EQ(PreviewHostWindow("/p1234"), 234);
    EXPECT_EQ(PreviewHostWindow("/p 12.5"), 12);
    EXPECT_EQ(PreviewHostWindow("/p 2147483648"), 0);
    EXPECT_EQ(PreviewHostWindow("/p abc"), 0);
    EXPECT_EQ(PreviewHostWindow("/p"), 0);
}

TEST(SaverCommandLine, ArgumentTextFollowsTheProgramPath) {
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Soravane.scr\" /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentText("\"C:\\Soravane.scr\"/s"), "/s");
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\SORAVA~1.SCR  /s  "), "/s  ");
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\SORAVA~1.SCR"), "");
    EXPECT_EQ(ArgumentText("\"C:\\unclosed /s"), "");
}

}  // namespace
