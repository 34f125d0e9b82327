// The music player and the main form's music: the exact MCI command strings and reply
// buffers of each situation, the PlaySound calls for WAV files, and which timers run.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "saver/music/music_timers.h"
#include "saver/music/skymere_bgm.h"

namespace {

// Answers MCI commands from a script (others succeed with an empty reply) and records each
// command with its reply length (0: no reply buffer), and each PlaySound call.
class FakeMciPort : public MciPort {
public:
    struct Sent {
        std::string command;
        int replyLength = 0;
        bool operator==(const Sent&) const = default;
    };
    std::map<std::string, std::pair<std::uint32_t, std::string>, std::less<>> answers;
    std::map<std::uint32_t, std::string> errorTexts;
    int waveOutDevices = 1;
    std::vector<Sent> sent;
    std::vector<std::pair<std::optional<std::string>, std::uint32_t>> played;

    std::uint32_t SendString(std::string_view command, char* reply, int replyLength) override {
        sent.push_back({std::string(command), reply == nullptr ? 0 : replyLength});
        const auto found = answers.find(command);
        const auto answer = found == answers.end() ? std::pair{0u, std::string()} : found->second;
        Copy(answer.second, reply, replyLength);
        return answer.first;
    }
    bool GetErrorString(std::uint32_t code, char* text, int length) override {
        EXPECT_EQ(length, 256);
        const auto found = errorTexts.find(code);
        return found != errorTexts.end() && (Copy(found->second, text, length), true);
    }
    bool PlayWaveSound(const char* name, std::uint32_t flags) override {
        played.emplace_back(name ? std::optional<std::string>(name) : std::nullopt, flags);
        return true;
    }
    int WaveOutDeviceCount() override { return waveOutDevices; }

private:
    // As the platform does: cut to the buffer, always NUL-terminated.
    static void Copy(const std::string& text, char* buffer, int length) {
        if (buffer != nullptr) {
            buffer[text.copy(buffer, std::min<std::size_t>(text.size(), length - 1))] = '\0';
        }
    }
};
using SentList = std::vector<FakeMciPort::Sent>;

class Music : public ::testing::Test {
protected:
    // A disc in the drive, at track `current` and in `mode`.
    void InsertDisc(const std::string& current, const std::string& mode) {
        mci.answers["status cdaudio current track"] = {0, current};
        mci.answers["status cdaudio number of tracks"] = {0, "12"};
        mci.answers["status cdaudio mode"] = {0, mode};
        mci.answers["status cdaudio position track 5"] = {0, "05:00:00:00"};
    }
    // The commands sent since the last call.
    SentList Taken() { return std::exchange(mci.sent, {}); }

    FakeMciPort mci;
    SharedState state;
    Skymere_BGM bgm{mci, state};
    MusicTimers timers;
};

const SentList kPollQueries = {{"status cdaudio current track", 512},
                               {"status cdaudio number of tracks", 512},
                               {"status cdaudio mode", 255}};

TEST_F(Music, MciCommandsAnswerWithTheReplyOrAnErrorText) {
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
    EXPECT_EQ(bgm.MciCommand("", reply), -1);  // not sent
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    bgm.MciPlay("cdaudio", "1", "2");
    bgm.MciPlay("cdaudio", "", "2");
    EXPECT_EQ(Taken(), (SentList{{"status cdaudio mode", 512},
                                 {"bad", 512},
                                 {"bad", 512},
                                 {"bad", 512},
                                 {"play cdaudio from 1 to 2", 512},
                                 {"play cdaudio to 2", 512}}));
}

TEST_F(Music, ACdIsOpenedInTracksWatchedAndStoppedOnlyWhileWatched) {
    state.BGMMode = kBgmCd;
    InsertDisc("7", "playing");
    StartMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{"open cdaudio", 0}, {"set cdaudio time format tmsf", 0}}));
    EXPECT_TRUE(timers.Timer2Enabled);
    EXPECT_FALSE(timers.Timer1Enabled);
    Timer2Tick(bgm, state, timers);  // the whole disc, playing: left alone
    EXPECT_EQ(Taken(), kPollQueries);
    EXPECT_TRUE(timers.Timer2Enabled);
    StopMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{"stop cdaudio", 0}, {"close cdaudio", 0}}));
    EXPECT_FALSE(timers.Timer2Enabled);

    // No disc: the watch switches itself off, and nothing is left to stop.
    mci.answers["status cdaudio current track"] = {275, ""};
    StartMusic(bgm, state, timers);
    Timer2Tick(bgm, state, timers);
    EXPECT_FALSE(timers.Timer2Enabled);
    Taken();
    StopMusic(bgm, state, timers);
    EXPECT_TRUE(Taken().empty());
}

TEST_F(Music, AnUnusableCdEndsThePolling) {
    struct Case {
        const char* failing;  // the query that fails, or the current track's answer
        std::size_t sent;
    };
    for (const Case& c : {Case{"status cdaudio current track", 1},
                          Case{"status cdaudio number of tracks", 2}, Case{"Terror", 1}}) {
        InsertDisc(c.failing[0] == 'T' ? c.failing : "1", "playing");
        if (c.failing[0] != 'T') {
            mci.answers[c.failing] = {275, ""};
        }
        bgm.CdPoll();
        EXPECT_FALSE(state.CdPollAlive) << c.failing;
        EXPECT_EQ(Taken().size(), c.sent) << c.failing;
    }
}

TEST_F(Music, ARepeatedTrackIsResumedWhenAnotherPlaysOrTheDiscStops) {
    state.BGMRepeat = 5;
    const SentList resume = {{"status cdaudio position track 5", 512},
                             {"play cdaudio from 05:00:00:00", 512}};
    for (const auto& [current, mode, resumes] :
         {std::tuple{"2", "playing", true}, {"5", "playing", false}, {"5", "stopped", true}}) {
        InsertDisc(current, mode);
        bgm.CdPoll();
        SentList expected = kPollQueries;
        if (resumes) {
            expected.insert(expected.end(), resume.begin(), resume.end());
        }
        EXPECT_EQ(Taken(), expected) << current << ' ' << mode;
        EXPECT_TRUE(state.CdPollAlive);
    }
    // A track the disc does not have: its error marker is played, and polling goes on.
    state.BGMRepeat = 40;
    mci.answers["status cdaudio position track 40"] = {277, ""};
    bgm.CdPoll();
    EXPECT_EQ(Taken().back().command, "play cdaudio from Error:277");
    EXPECT_TRUE(state.CdPollAlive);
}

TEST_F(Music, ATrackThatIsNoNumberEndsPollingOnlyWhenATrackRepeats) {
    InsertDisc("", "stopped");
    bgm.CdPoll();
    EXPECT_TRUE(state.CdPollAlive);
    EXPECT_EQ(Taken().back(), (FakeMciPort::Sent{"play cdaudio", 512}));
    state.BGMRepeat = 3;
    bgm.CdPoll();
    EXPECT_FALSE(state.CdPollAlive);
    EXPECT_EQ(Taken(), kPollQueries);
}

TEST_F(Music, AnMp3InAnyLetterCasePlaysLoopsAndStops) {
    state = {.BGMMode = kBgmSoundFile, .BGMFile = "C:\\My Music\\曲 1.Mp3"};
    const std::string open = "open \"C:\\My Music\\曲 1.Mp3\" type MPEGVideo Alias MP3Play";
    StartMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{open, 0}, {"play MP3Play", 0}}));
    EXPECT_TRUE(timers.Timer1Enabled);

    mci.answers["status MP3Play mode"] = {0, "playing"};
    bgm.Mp3Loop();
    EXPECT_EQ(Taken(), (SentList{{"status MP3Play mode", 30}}));
    for (const char* mode : {"stopped", "Playing"}) {
        mci.answers["status MP3Play mode"] = {0, mode};
        bgm.Mp3Loop();
        EXPECT_EQ(Taken(), (SentList{{"status MP3Play mode", 30},
                                     {"stop MP3Play", 0},
                                     {"play MP3Play from 0", 0}}))
            << mode;
    }
    StopMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{"stop MP3Play", 0}, {"close MP3Play", 0}}));
    EXPECT_FALSE(timers.Timer1Enabled);

    // An open that fails plays nothing, but the watch starts all the same.
    mci.answers[open] = {263, ""};
    StartMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{open, 0}}));
    EXPECT_TRUE(timers.Timer1Enabled);
}

TEST_F(Music, AWavLoopsOnlyWithAnOutputDeviceAndStopsAtTheEnd) {
    state = {.BGMMode = kBgmSoundFile, .BGMFile = "C:\\music\\LOOP.wAv"};
    mci.waveOutDevices = 0;
    StartMusic(bgm, state, timers);
    EXPECT_TRUE(mci.played.empty());
    mci.waveOutDevices = 2;
    StartMusic(bgm, state, timers);
    EXPECT_FALSE(timers.Timer1Enabled || timers.Timer2Enabled);
    StopMusic(bgm, state, timers);
    // SND_ASYNC | SND_NODEFAULT | SND_LOOP | SND_FILENAME, then a stop.
    EXPECT_EQ(mci.played, (std::vector<std::pair<std::optional<std::string>, std::uint32_t>>{
                              {"C:\\music\\LOOP.wAv", 0x2000Bu}, {std::nullopt, 0u}}));
    EXPECT_TRUE(mci.sent.empty());
}

TEST_F(Music, OtherEndingsAndKindsPlayNothing) {
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
