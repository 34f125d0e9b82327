#pragma once
// The multimedia services that the music player talks to: MCI command strings with their
// error texts, and waveform sounds. The Win32 side implements the port with mciSendString,
// mciGetErrorString, PlaySound and waveOutGetNumDevs; the tests with a recorder.
//
// Texts are UTF-8 and lengths count bytes; the Win32 side converts on the way (the music
// file's path is the only text that may hold more than ASCII).
#include <cstdint>
#include <string_view>

class MciPort {
public:
    virtual ~MciPort() = default;

    // Runs one MCI command string and writes its NUL-terminated reply, at most `replyLength`
    // bytes with the NUL, into `reply`. A command sent without reply buffer has `reply` null
    // and `replyLength` 0. Returns the MCI error code, 0 on success.
    virtual std::uint32_t SendString(std::string_view command, char* reply, int replyLength) = 0;

    // Writes the text of MCI error `code`, NUL-terminated and at most `length` bytes with the
    // NUL, into `text`. False when the platform has no text for it.
    virtual bool GetErrorString(std::uint32_t code, char* text, int length) = 0;

    // Starts the waveform sound `name` with the PlaySound `flags`; a null `name` with flags 0
    // stops the sound that is playing.
    virtual bool PlayWaveSound(const char* name, std::uint32_t flags) = 0;

    virtual int WaveOutDeviceCount() = 0;
};

// PlaySound flags with the values <mmsystem.h> gives them, named apart from its macros so that
// both headers can meet in one file.
namespace play_sound {

inline constexpr std::uint32_t kAsync = 0x0001;
inline constexpr std::uint32_t kNoDefault = 0x0002;
inline constexpr std::uint32_t kLoop = 0x0008;
inline constexpr std::uint32_t kFileName = 0x00020000;

}  // namespace play_sound
