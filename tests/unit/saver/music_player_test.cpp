// The music player's routines: the exact MCI command strings and reply buffers it uses in each
// situation, and the PlaySound calls for WAV files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saver/music/skymere_bgm.h"
#include "tests/unit/saver/fake_mci_port.h"

namespace {

using Sent = FakeMciPort::Sent;
using SentList = std::vector<Sent>;

class SaverBgm : public ::testing::Test {
protected:
    // A disc in the drive, at track `current` and in `mode`.
    void InsertDisc(const std::string& current, const std::string& mode) {
        mci.answers["status cdaudio current track"] = {0, current};
        mci.answers["status cdaudio number of tracks"] = {0, "12"};
        mci.answers["status cdaudio mode"] = {0, mode};
        mci.answers["status cdaudio position track 5"] = {0, "05:00:00:00"};
    }

    FakeMciPort mci;
    SharedState state;
    Skymere_BGM bgm{mci, state};
};

TEST_F(SaverBgm, MciCommandAnswersWithTheReplyOrAnErrorText) {
    std::string reply;
    mci.answers["status cdaudio mode"] = {0, "playing"};
    EXPECT_EQ(bgm.MciCommand("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "playing");

    mci.answers["bad"] = {275, ""};
    mci.errorTexts[275] = "The device is not ready.";
    EXPECT_EQ(bgm.MciCommand("bad", reply), 275);
    EXPECT_EQ(reply, "The device is not ready.");
    mci.errorTexts.clear();
    EXPECT_EQ(bgm.MciCommand("bad", reply), 275);
    EXPECT_EQ(reply, "Error (文字列が取れません)");
    EXPECT_EQ(bgm.MciQuery("bad"), "Error:275");

    EXPECT_EQ(bgm.MciCommand("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_EQ(bgm.MciQuery(""), "Error:-1");

    EXPECT_EQ(mci.sent,
              (SentList{{"status cdaudio mode", 512}, {"bad", 512}, {"bad", 512}, {"bad", 512}}));
    EXPECT_EQ(mci.errorTextLengths, (std::vector<int>{256, 256, 256}));
}

TEST_F(SaverBgm, MciPlayAddsOnlyThePositionsGiven) {
    bgm.MciPlay("cdaudio", "", "");
    bgm.MciPlay("cdaudio", "1", "2");
    bgm.MciPlay("cdaudio", "", "2");
    EXPECT_EQ(mci.sent, (SentList{{"play cdaudio", 512},
                                  {"play cdaudio from 1 to 2", 512},
                                  {"play cdaudio to 2", 512}}));
}

TEST_F(SaverBgm, UnusableCdEndsThePolling) {
    InsertDisc("1", "playing");
    mci.answers["status cdaudio current track"] = {275, ""};  // no disc
    bgm.CdPoll();
    EXPECT_FALSE(state.CdPollAlive);
    EXPECT_EQ(mci.sent.size(), 1u);

    InsertDisc("1", "playing");
    mci.answers["status cdaudio number of tracks"] = {275, ""};
    bgm.CdPoll();
    EXPECT_FALSE(state.CdPollAlive);
    EXPECT_EQ(mci.sent.size(), 3u);

    InsertDisc("Terror", "playing");  // an answer holding "err" in any case counts as failed
    bgm.CdPoll();
    EXPECT_FALSE(state.CdPollAlive);
    EXPECT_EQ(mci.sent.size(), 4u);
}

TEST_F(SaverBgm, RepeatedTrackIsResumedWhenAnotherPlays) {
    state.BGMRepeat = 5;
    InsertDisc("2", "playing");
    bgm.CdPoll();
    EXPECT_TRUE(state.CdPollAlive);
    EXPECT_EQ(mci.sent, (SentList{{"status cdaudio current track", 512},
                                  {"status cdaudio number of tracks", 512},
                                  {"status cdaudio mode", 255},
                                  {"status cdaudio position track 5", 512},
                                  {"play cdaudio from 05:00:00:00", 512}}));
}

TEST_F(SaverBgm, RepeatedTrackRestartsOnlyWhenTheDiscStops) {
    state.BGMRepeat = 5;
    InsertDisc("5", "playing");
    bgm.CdPoll();
    EXPECT_EQ(mci.sent.size(), 3u);
    InsertDisc("5", "stopped");
    bgm.CdPoll();
    EXPECT_EQ(mci.sent.back().command, "play cdaudio from 05:00:00:00");
}

TEST_F(SaverBgm, RepeatBeyondTheDiscPlaysTheErrorMarkerAndPollingGoesOn) {
    state.BGMRepeat = 40;
    InsertDisc("1", "playing");
    mci.answers["status cdaudio position track 40"] = {277, ""};
    bgm.CdPoll();
    EXPECT_EQ(mci.sent.back().command, "play cdaudio from Error:277");
    EXPECT_TRUE(state.CdPollAlive);
    state.BGMRepeat = -1;
    bgm.CdPoll();
    EXPECT_EQ(mci.sent[mci.sent.size() - 2].command, "status cdaudio position track -1");
}

TEST_F(SaverBgm, TrackThatIsNoNumberEndsPollingOnlyWhenATrackRepeats) {
    InsertDisc("", "stopped");
    bgm.CdPoll();
    EXPECT_TRUE(state.CdPollAlive);
    EXPECT_EQ(mci.sent.back(), (Sent{"play cdaudio", 512}));

    state.BGMRepeat = 3;
    mci.sent.clear();
    bgm.CdPoll();
    EXPECT_FALSE(state.CdPollAlive);
    EXPECT_EQ(mci.sent.size(), 3u);
}

TEST_F(SaverBgm, WholeDiscIsLeftAloneWhilePlaying) {
    InsertDisc("7", "playing");
    bgm.CdPoll();
    EXPECT_EQ(mci.sent.size(), 3u);
    EXPECT_TRUE(state.CdPollAlive);
}

TEST_F(SaverBgm, Mp3OpensTheQuotedPathAndPlaysOnlyWhenOpen) {
    state.BGMFile = "C:\\My Music\\曲 1.mp3";
    const std::string open = "open \"C:\\My Music\\曲 1.mp3\" type MPEGVideo Alias MP3Play";
    bgm.Mp3Play();
    EXPECT_EQ(mci.sent, (SentList{{open, 0}, {"play MP3Play", 0}}));
    mci.answers[open] = {275, ""};
    bgm.Mp3Play();
    EXPECT_EQ(mci.sent.size(), 3u);
}

TEST_F(SaverBgm, Mp3LoopRestartsFromTheBeginningWhenNotPlaying) {
    mci.answers["status MP3Play mode"] = {0, "playing"};
    bgm.Mp3Loop();
    EXPECT_EQ(mci.sent, (SentList{{"status MP3Play mode", 30}}));
    for (const char* mode : {"stopped", "Playing"}) {
        mci.sent.clear();
        mci.answers["status MP3Play mode"] = {0, mode};
        bgm.Mp3Loop();
        EXPECT_EQ(mci.sent, (SentList{{"status MP3Play mode", 30},
                                      {"stop MP3Play", 0},
                                      {"play MP3Play from 0", 0}}))
            << mode;
    }
}

TEST_F(SaverBgm, WavLoopsTheFileOnlyWithAnOutputDevice) {
    state.BGMFile = "C:\\music\\loop.wav";
    mci.waveOutDevices = 0;
    bgm.WavPlay();
    EXPECT_TRUE(mci.played.empty());
    mci.waveOutDevices = 2;
    bgm.WavPlay();
    bgm.WavStop();
    ASSERT_EQ(mci.played.size(), 2u);
    // SND_ASYNC | SND_NODEFAULT | SND_LOOP | SND_FILENAME
    EXPECT_EQ(mci.played[0],
              std::pair(std::optional<std::string>("C:\\music\\loop.wav"), 0x2000Bu));
    EXPECT_EQ(mci.played[1], std::pair(std::optional<std::string>(), 0u));
}

}  // namespace
