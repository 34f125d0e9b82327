#pragma once
// The music player's port on Windows: mciSendStringW, mciGetErrorStringW, PlaySoundW and
// waveOutGetNumDevs. Commands and sound names go from UTF-8 to UTF-16, so a music file's path
// works whatever letters it holds; replies and error texts come back to UTF-8, cut to the
// caller's buffer.
#include "saver/music/mci_port.h"

class Win32MciPort : public MciPort {
public:
    std::uint32_t SendString(std::string_view command, char* reply, int replyLength) override;
    bool GetErrorString(std::uint32_t code, char* text, int length) override;
    bool PlayWaveSound(const char* name, std::uint32_t flags) override;
    int WaveOutDeviceCount() override;
};
