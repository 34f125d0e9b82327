#pragma once
// The saver's shared state (module Skymere_B). The start procedure makes one instance that
// lives for the whole process and hands it to every routine that reads or writes it. Texts
// are UTF-8; the platform side converts them where they cross to ANSI functions.
#include <cstdint>
#include <string>

// Values of BGMMode. Any other value read from the settings file is kept and plays nothing.
inline constexpr std::int16_t kBgmNone = 0;
inline constexpr std::int16_t kBgmCd = 1;
inline constexpr std::int16_t kBgmSoundFile = 2;

struct SharedState {
    // Kept in the settings file.
    std::int16_t BGMMode = kBgmNone;
    std::int16_t BGMRepeat = 0;  // CD track to play over and over; 0 repeats the whole disc
    std::string BGMFile{};       // the MP3 or WAV file of kBgmSoundFile, or empty

    std::string InitDir{};     // the folder the dialog's file chooser opens in
    std::int16_t CursorX = 0;  // mouse position in pixels when the dialog opened, for its zoom
    std::int16_t CursorY = 0;
    bool CdPollAlive = false;  // false lets the CD watch timer switch itself off
};
