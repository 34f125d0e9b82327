// What the saver makes of the command line the operating system starts it with.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "saver/start/command_line.h"

namespace {

TEST(SaverCommandLine, SecondCharacterUpperCasedPicksTheMode) {
    using enum SaverMode;
    const std::pair<SaverMode, std::vector<const char*>> cases[] = {
        {Run, {"/s", "-S", "/s   ", "／s"}},
        {Configure, {"/c:1234"}},
        {Preview, {"/p 1234"}},
        {RunShowingCursor, {""}},
        {Unsupported, {"/a", "s", "/ s"}}};
    for (const auto& [mode, texts] : cases) {
        for (const char* text : texts) {
            EXPECT_EQ(ParseSaverMode(text), mode) << '"' << text << '"';
        }
    }
    EXPECT_TRUE(HidesCursor(Run) && !HidesCursor(RunShowingCursor));
}

TEST(SaverCommandLine, PreviewHostIsTheNumberFromTheFourthCharacter) {
    const std::pair<const char*, int> cases[] = {
        {"/p 1234", 1234}, {"/p:1234", 1234},    {"/p  77 ", 77}, {"/p1234", 234},
        {"/p 12.5", 12},   {"/p 2147483648", 0}, {"/p abc", 0},   {"/p", 0}};
    for (const auto& [text, host] : cases) {
        EXPECT_EQ(PreviewHostWindow(text), host) << '"' << text << '"';
    }
}

TEST(SaverCommandLine, ArgumentTextFollowsTheProgramPath) {
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Soravane.scr\" /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentText("\"C:\\Soravane.scr\"/s"), "/s");
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\SORAVA~1.SCR  /s  "), "/s  ");
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\SORAVA~1.SCR"), "");
    EXPECT_EQ(ArgumentText("\"C:\\unclosed /s"), "");
}

}  // namespace
