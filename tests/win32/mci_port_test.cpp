// The music player's Windows port: commands reach the multimedia library, replies and error
// texts come back NUL-terminated within the caller's buffer, and the player's own error
// handling works over the real library (no sound device is needed for any of this).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "saver/music/skymere_bgm.h"
#include "saver/music/win32_mci_port.h"
#include "saver/settings/shared_state.h"

namespace {

TEST(SaverMciPortWin32, AnsweredCommandsFillTheReplyBuffer) {
    Win32MciPort port;
    char reply[512];
    std::memset(reply, 'x', sizeof reply);
    EXPECT_EQ(port.SendString("sysinfo all quantity", reply, sizeof reply), 0u);
    const std::string answer(reply);
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer.find_first_not_of("0123456789"), std::string::npos) << answer;
}

TEST(SaverMciPortWin32, RepliesAndErrorTextsAreCutToTheBuffer) {
    Win32MciPort port;
    char reply[2];
    std::memset(reply, 'x', sizeof reply);
    port.SendString("sysinfo all name 1", reply, sizeof reply);
    EXPECT_LT(std::strlen(reply), sizeof reply);

    const std::uint32_t code = port.SendString("open no-such-device-here", nullptr, 0);
    ASSERT_NE(code, 0u);
    char text[256];
    ASSERT_TRUE(port.GetErrorString(code, text, sizeof text));
    EXPECT_GT(std::strlen(text), 0u);

    char shortText[8];
    std::memset(shortText, 'x', sizeof shortText);
    ASSERT_TRUE(port.GetErrorString(code, shortText, sizeof shortText));
    EXPECT_LT(std::strlen(shortText), sizeof shortText);
    EXPECT_EQ(std::string(text).substr(0, std::strlen(shortText)), shortText);
}

TEST(SaverMciPortWin32, ThePlayersQueriesMarkFailuresWithTheirCode) {
    Win32MciPort port;
    SharedState state;
    Skymere_BGM bgm(port, state);
    const std::string answer = bgm.MciQuery("status NoSuchAlias mode");
    EXPECT_EQ(answer.rfind("Error:", 0), 0u) << answer;
    EXPECT_NE(answer, "Error:0");

    std::string reply;
    EXPECT_NE(bgm.MciCommand("status NoSuchAlias mode", reply), 0);
    EXPECT_FALSE(reply.empty());  // the library's own text for the error
    EXPECT_EQ(bgm.MciQuery("sysinfo all quantity").find("Error"), std::string::npos);
}

TEST(SaverMciPortWin32, MusicWithoutADeviceOrFileFailsQuietly) {
    Win32MciPort port;
    SharedState state{.BGMMode = kBgmSoundFile, .BGMFile = "C:\\no such folder\\song.mp3"};
    Skymere_BGM bgm(port, state);
    bgm.Mp3Play();
    EXPECT_FALSE(bgm.Mp3IsPlaying());
    bgm.Mp3Loop();
    bgm.Mp3Stop();

    state.BGMFile = "C:\\no such folder\\song.wav";
    bgm.WavPlay();  // plays nothing when Windows has no waveform output device
    bgm.WavStop();
    EXPECT_GE(port.WaveOutDeviceCount(), 0);
    EXPECT_TRUE(port.PlayWaveSound(nullptr, 0));  // stopping when nothing plays is fine
}

}  // namespace
