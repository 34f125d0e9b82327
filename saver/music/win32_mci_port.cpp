#include "saver/music/win32_mci_port.h"

#include <windows.h>
// <mmsystem.h> needs the types of <windows.h> first.
#include <mmsystem.h>

#include <algorithm>
#include <string>
#include <vector>

#include "saver/runtime/win32_text.h"

namespace {

// Copies the ANSI text `ansi` into the caller's buffer as UTF-8, NUL-terminated, cut at a
// whole character to fit `length` bytes with the NUL.
void CopyAsUtf8(const char* ansi, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return;
    }
    const std::string text = AnsiToUtf8(ansi);
    std::size_t kept = std::min(text.size(), static_cast<std::size_t>(length - 1));
    while (kept > 0 && kept < text.size() && (text[kept] & 0xC0) == 0x80) {
        --kept;  // never end inside a multi-byte letter
    }
    text.copy(buffer, kept);
    buffer[kept] = '\0';
}

}  // namespace

std::uint32_t Win32MciPort::SendString(std::string_view command, char* reply, int replyLength) {
    const std::string ansiCommand = Utf8ToAnsi(command);
    if (reply == nullptr || replyLength <= 0) {
        return mciSendStringA(ansiCommand.c_str(), nullptr, 0, nullptr);
    }
    std::vector<char> ansiReply(static_cast<std::size_t>(replyLength), '\0');
    const MCIERROR code = mciSendStringA(ansiCommand.c_str(), ansiReply.data(),
                                         static_cast<UINT>(replyLength), nullptr);
    ansiReply.back() = '\0';
    CopyAsUtf8(ansiReply.data(), reply, replyLength);
    return code;
}

bool Win32MciPort::GetErrorString(std::uint32_t code, char* text, int length) {
    if (text == nullptr || length <= 0) {
        return false;
    }
    std::vector<char> ansiText(static_cast<std::size_t>(length), '\0');
    if (!mciGetErrorStringA(code, ansiText.data(), static_cast<UINT>(length))) {
        return false;
    }
    ansiText.back() = '\0';
    CopyAsUtf8(ansiText.data(), text, length);
    return true;
}

bool Win32MciPort::PlayWaveSound(const char* name, std::uint32_t flags) {
    if (name == nullptr) {
        return PlaySoundA(nullptr, nullptr, flags) != FALSE;
    }
    const std::string ansiName = Utf8ToAnsi(name);
    return PlaySoundA(ansiName.c_str(), nullptr, flags) != FALSE;
}

int Win32MciPort::WaveOutDeviceCount() {
    return static_cast<int>(waveOutGetNumDevs());
}
