#pragma once
// The background-music player (module Skymere_BGM): an audio CD through the MCI device
// "cdaudio", an MP3 file through the device type "MPEGVideo" under the alias "MP3Play", or a
// WAV file looping through PlaySound.
//
// The main form starts the music with CdOpen, Mp3Play or WavPlay, keeps it going with CdPoll
// (every 200 ms) and Mp3Loop (every second), and stops it with CdStop, Mp3Stop or WavStop;
// skymere_s_music.h holds those decisions. Failures are never shown to the user: the texts
// and "Error:" markers below pass only between the player's own routines.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "saver/music/mci_port.h"
#include "saver/settings/shared_state.h"

class Skymere_BGM {
public:
    // `port` and `state` must outlive the player. It reads BGMRepeat and BGMFile and writes
    // CdPollAlive.
    Skymere_BGM(MciPort& port, SharedState& state);

    void CdOpen();
    // One look at the disc. Clears CdPollAlive when the CD cannot be used (no drive, no disc,
    // an answer that makes no sense); otherwise restarts play as BGMRepeat asks: track
    // BGMRepeat over and over, or with 0 the whole disc whenever it has stopped.
    void CdPoll();
    void CdStop();

    // Opens BGMFile and, when that worked, plays it.
    void Mp3Play();
    bool Mp3IsPlaying();
    // Restarts the MP3 from its beginning when it is not playing.
    void Mp3Loop();
    void Mp3Stop();

    // Loops BGMFile when the system has a waveform output device.
    void WavPlay();
    void WavStop();

    // Sends `command` with the general reply buffer; `reply` receives the answer or the
    // error's text. Returns the MCI error code; -1 for an empty command, which is not sent.
    std::int32_t MciCommand(std::string_view command, std::string& reply);
    // The answer to `command`, or "Error:" and the code when it failed.
    std::string MciQuery(std::string_view command);
    // Sends "play <device>", then " from <from>" and " to <to>" for those given (not empty).
    // Returns the MCI error code.
    std::int32_t MciPlay(std::string_view device, std::string_view from, std::string_view to);

private:
    std::uint32_t SendWithoutReply(std::string_view command);

    MciPort& port_;
    SharedState& state_;
    // The module's reply buffers. They keep their contents from one command to the next, so a
    // mode query that the platform does not answer reads what the last answer left.
    std::array<char, 512> reply_{};
    std::array<char, 256> errorText_{};
    std::array<char, 255> cdMode_{};
    std::array<char, 30> mp3Mode_{};
};
