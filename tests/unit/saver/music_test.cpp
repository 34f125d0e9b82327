// The music player and the main form's music: the exact MCI command strings and reply
// buffers of each situation, the PlaySound calls for WAV files, and which timers run.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "saver/music/music_timers.h"
#include "saver/music/skymere_bgm.h"

namespace {

// One command sent, with its reply buffer's length (0: no reply buffer).
using Sent = std::pair<std::string, int>;
using SentList = std::vector<Sent>;
using Played = std::vector<std::pair<std::optional<std::string>, std::uint32_t>>;

// Answers MCI commands from a script (others succeed with an empty reply) and records each
// command sent and each PlaySound call.
struct FakeMciPort : MciPort {
    std::map<std::string, std::pair<std::uint32_t, std::string>, std::less<>> answers;
    std::map<std::uint32_t, std::string> errorTexts;
    int waveOutDevices = 1;
    SentList sent;
    Played played;

    std::uint32_t SendString(std::string_view command, char* reply, int replyLength) override {
        sent.emplace_back(command, reply == nullptr ? 0 : replyLength);
        const auto found = answers.find(command);
        const auto answer = found == answers.end() ? std::pair{0u, std::string()} : found->second;
        if (reply != nullptr) {  // as the platform does: cut to the buffer, NUL-terminated
            std::snprintf(reply, replyLength, "%s", answer.second.c_str());
        }
        return answer.first;
    }
    bool GetErrorString(std::uint32_t code, char* text, int length) override {
        EXPECT_EQ(length, 256);
        const auto found = errorTexts.find(code);
        return found != errorTexts.end() &&
               std::snprintf(text, length, "%s", found->second.c_str()) >= 0;
    }
    bool PlayWaveSound(const char* name, std::uint32_t flags) override {
        played.emplace_back(name ? std::optional<std::string>(name) : std::nullopt, flags);
        return true;
    }
    int WaveOutDeviceCount() override { return waveOutDevices; }
};

struct Music : ::testing::Test {
    // The commands sent since the last call.
    SentList Taken() { return std::exchange(mci.sent, {}); }

    FakeMciPort mci;
    SharedState state;
    Skymere_BGM bgm{mci, state};
    MusicTimers timers;
};

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
    EXPECT_EQ(Taken().size(), 4u);
    bgm.MciPlay("cdaudio", "1", "2");
    bgm.MciPlay("cdaudio", "", "2");
    EXPECT_EQ(Taken(), (SentList{{"play cdaudio from 1 to 2", 512}, {"play cdaudio to 2", 512}}));
}

TEST_F(Music, ACdIsOpenedInTracksWatchedAndStoppedOnlyWhileWatched) {
    state.BGMMode = kBgmCd;
    mci.answers["status cdaudio current track"] = {0, "7"};
    mci.answers["status cdaudio mode"] = {0, "playing"};
    StartMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{"open cdaudio", 0}, {"set cdaudio time format tmsf", 0}}));
    EXPECT_TRUE(timers.Timer2Enabled);
    Timer2Tick(bgm, state, timers);  // the whole disc, playing: left alone, and still watched
    EXPECT_EQ(Taken().size(), 3u);   // the current track, the number of tracks, the mode
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

TEST_F(Music, CdPollingResumesARepeatedTrackAndEndsOnAnUnusableDisc) {
    using Answer = std::pair<std::uint32_t, std::string>;
    const Answer failed = {275, ""}, twelve = {0, "12"};
    const Sent current = {"status cdaudio current track", 512}, mode = {"status cdaudio mode", 255};
    // The repeated track, the current track's and the number of tracks' answers, the mode; the
    // commands sent, the last of them, and whether polling goes on.
    using Poll = std::tuple<std::int16_t, Answer, Answer, const char*, std::size_t, Sent, bool>;
    const Poll polls[] = {
        {0, failed, twelve, "playing", 1, current, false},
        {0, {0, "1"}, failed, "playing", 2, {"status cdaudio number of tracks", 512}, false},
        {0, {0, "Terror"}, twelve, "playing", 1, current, false},  // "err" in any case fails
        {3, {0, ""}, twelve, "stopped", 3, mode, false},  // no number while a track repeats
        {0, {0, ""}, twelve, "stopped", 4, {"play cdaudio", 512}, true},
        // The repeated track again when another plays or the disc stops.
        {5, {0, "2"}, twelve, "playing", 5, {"play cdaudio from 05:00:00:00", 512}, true},
        {5, {0, "5"}, twelve, "playing", 3, mode, true},
        {5, {0, "5"}, twelve, "stopped", 5, {"play cdaudio from 05:00:00:00", 512}, true},
        // A track the disc does not have: its error marker is played, and polling goes on.
        {40, {0, "5"}, twelve, "playing", 5, {"play cdaudio from Error:277", 512}, true},
    };
    mci.answers["status cdaudio position track 5"] = {0, "05:00:00:00"};
    mci.answers["status cdaudio position track 40"] = {277, ""};
    for (const auto& [repeat, currentTrack, tracks, discMode, count, last, alive] : polls) {
        state.BGMRepeat = repeat;
        mci.answers[current.first] = currentTrack;
        mci.answers["status cdaudio number of tracks"] = tracks;
        mci.answers[mode.first] = {0, discMode};
        bgm.CdPoll();
        const SentList sent = Taken();
        EXPECT_EQ(std::tuple(sent.size(), sent.back(), state.CdPollAlive),
                  std::tuple(count, last, alive))
            << repeat << ' ' << currentTrack.second << ' ' << discMode;
    }
}

TEST_F(Music, AnMp3InAnyLetterCasePlaysLoopsAndStops) {
    state = {.BGMMode = kBgmSoundFile, .BGMFile = "C:\\My Music\\曲 1.Mp3"};
    const std::string open = "open \"C:\\My Music\\曲 1.Mp3\" type MPEGVideo Alias MP3Play";
    StartMusic(bgm, state, timers);
    EXPECT_EQ(Taken(), (SentList{{open, 0}, {"play MP3Play", 0}}));
    EXPECT_TRUE(timers.Timer1Enabled);

    const SentList restart = {
        {"status MP3Play mode", 30}, {"stop MP3Play", 0}, {"play MP3Play from 0", 0}};
    for (const auto& [mode, sent] : {std::pair{"playing", 1}, {"stopped", 3}, {"Playing", 3}}) {
        mci.answers["status MP3Play mode"] = {0, mode};
        bgm.Mp3Loop();
        EXPECT_EQ(Taken(), SentList(restart.begin(), restart.begin() + sent)) << mode;
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

TEST_F(Music, AWavLoopsOnlyWithAnOutputDeviceAndOtherEndingsAndKindsPlayNothing) {
    const std::string wav = "C:\\music\\LOOP.wAv";
    // The kind, the file, the output devices, and the PlaySound calls of a start and a stop:
    // SND_ASYNC | SND_NODEFAULT | SND_LOOP | SND_FILENAME, then a stop.
    const std::tuple<std::int16_t, std::string, int, Played> cases[] = {
        {kBgmSoundFile, wav, 2, {{wav, 0x2000Bu}, {std::nullopt, 0u}}},
        {kBgmSoundFile, wav, 0, {{std::nullopt, 0u}}},
        {kBgmSoundFile, "C:\\music\\song.ogg", 1, {}},
        {kBgmSoundFile, "C:\\曲.ｍｐ３", 1, {}},
        {kBgmSoundFile, "C:\\x.mp3 ", 1, {}},
        {kBgmNone, "C:\\music\\song.mp3", 1, {}},
        {3, "C:\\music\\song.wav", 1, {}}};
    for (const auto& [mode, path, devices, played] : cases) {
        state = {.BGMMode = mode, .BGMFile = path};
        mci.waveOutDevices = devices;
        StartMusic(bgm, state, timers);
        StopMusic(bgm, state, timers);
        EXPECT_EQ(std::exchange(mci.played, {}), played) << path << ' ' << devices;
        EXPECT_TRUE(Taken().empty()) << path;
    }
}

}  // namespace
