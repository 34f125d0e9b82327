// The music player's Windows port over the real multimedia library (no sound device needed):
// replies and error texts come back NUL-terminated within the caller's buffer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "saver/music/win32_mci_port.h"

namespace {

TEST(MciPortWin32, RepliesAndErrorTextsFitTheirBuffers) {
    Win32MciPort port;
    char reply[512];
    EXPECT_EQ(port.SendString("sysinfo all quantity", reply, sizeof reply), 0u);
    EXPECT_GT(std::strlen(reply), 0u);
    EXPECT_EQ(std::string(reply).find_first_not_of("0123456789"), std::string::npos) << reply;
    char tiny[2];
    std::memset(tiny, 'x', sizeof tiny);
    port.SendString("sysinfo all name 1", tiny, sizeof tiny);
    EXPECT_LT(std::strlen(tiny), sizeof tiny);

    const std::uint32_t code = port.SendString("open no-such-device-here", nullptr, 0);
    ASSERT_NE(code, 0u);
    char text[256];
    char shortText[8];
    ASSERT_TRUE(port.GetErrorString(code, text, sizeof text));
    ASSERT_TRUE(port.GetErrorString(code, shortText, sizeof shortText));
    EXPECT_EQ(std::string(text).substr(0, sizeof shortText - 1), shortText);
}

}  // namespace
