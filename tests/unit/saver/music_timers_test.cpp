// The main form's music: what starts at load, how the CD watch switches itself off, and what
// the shutdown stops, for each setting.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "saver/music/music_timers.h"
#include "tests/unit/saver/fake_mci_port.h"

namespace {

using SentList = std::vector<FakeMciPort::Sent>;

class SaverMusic : public ::testing::Test {
protected:
    FakeMciPort mci;
    SharedState state;
    Skymere_BGM bgm{mci, state};
    MusicTimers timers;
};

TEST_F(SaverMusic, CdIsOpenedWatchedAndStopped) {
    state.BGMMode = kBgmCd;
    StartMusic(bgm, state, timers);
    EXPECT_TRUE(timers.Timer2Enabled);
    EXPECT_FALSE(timers.Timer1Enabled);
    Timer2Tick(bgm, state, timers);
    EXPECT_TRUE(timers.Timer2Enabled);
    StopMusic(bgm, state, timers);
    EXPECT_FALSE(timers.Timer2Enabled);

    const SentList expectedStart{{"open cdaudio", 0}, {"set cdaudio time format tmsf", 0}};
    const SentList expectedStop{{"stop cdaudio", 0}, {"close cdaudio", 0}};
    EXPECT_EQ(SentList(mci.sent.begin(), mci.sent.begin() + 2), expectedStart);
    EXPECT_EQ(SentList(mci.sent.end() - 2, mci.sent.end()), expectedStop);
}

TEST_F(SaverMusic, NoDiscSwitchesTheWatchOffAndShutdownSendsNoCdStop) {
    state.BGMMode = kBgmCd;
    mci.answers["status cdaudio current track"] = {275, ""};
    StartMusic(bgm, state, timers);
    Timer2Tick(bgm, state, timers);
    EXPECT_FALSE(timers.Timer2Enabled);
    mci.sent.clear();
    StopMusic(bgm, state, timers);
    EXPECT_TRUE(mci.sent.empty());
}

TEST_F(SaverMusic, Mp3InAnyLetterCasePlaysWithItsWatchEvenWhenTheOpenFailed) {
    state = {.BGMMode = kBgmSoundFile, .BGMFile = "C:\\music\\song.Mp3"};
    mci.answers["open \"C:\\music\\song.Mp3\" type MPEGVideo Alias MP3Play"] = {263, ""};
    StartMusic(bgm, state, timers);
    EXPECT_TRUE(timers.Timer1Enabled);
    mci.sent.clear();
    StopMusic(bgm, state, timers);
    EXPECT_FALSE(timers.Timer1Enabled);
    EXPECT_EQ(mci.sent, (SentList{{"stop MP3Play", 0}, {"close MP3Play", 0}}));
}

TEST_F(SaverMusic, WavIsStoppedAtShutdownAndLeavesTimer1Alone) {
    state = {.BGMMode = kBgmSoundFile, .BGMFile = "C:\\music\\LOOP.wAv"};
    StartMusic(bgm, state, timers);
    EXPECT_FALSE(timers.Timer1Enabled || timers.Timer2Enabled);
    timers.Timer1Enabled = true;
    StopMusic(bgm, state, timers);
    EXPECT_TRUE(timers.Timer1Enabled);
    ASSERT_EQ(mci.played.size(), 2u);
    EXPECT_EQ(mci.played[0].first, "C:\\music\\LOOP.wAv");
    EXPECT_EQ(mci.played[1].first, std::nullopt);
}

TEST_F(SaverMusic, OtherEndingsAndModesPlayNothing) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {kBgmSoundFile, "C:\\music\\song.ogg"},
        {kBgmSoundFile, "C:\\曲.ｍｐ３"},
        {kBgmSoundFile, "C:\\x.mp3 "},
        {kBgmNone, "C:\\music\\song.mp3"},
        {3, "C:\\music\\song.wav"},
    };
    for (const auto& [mode, path] : cases) {
        state = {.BGMMode = mode, .BGMFile = path};
        StartMusic(bgm, state, timers);
        EXPECT_FALSE(timers.Timer1Enabled || timers.Timer2Enabled) << path;
        StopMusic(bgm, state, timers);
    }
    EXPECT_TRUE(mci.sent.empty());
    EXPECT_TRUE(mci.played.empty());
}

}  // namespace
