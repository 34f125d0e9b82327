#include "saver/music/win32_mci_port.h"

#include <windows.h>
// <mmsystem.h> needs the types of <windows.h> first.
#include <mmsystem.h>

#include <algorithm>
#include <string>
#include <vector>

#include "saver/runtime/win32_text.h"

namespace {

// Copies `wide` into the caller's buffer as UTF-8, NUL-terminated, cut at a whole character to
// fit `length` bytes with the NUL.
void CopyAsUtf8(const wchar_t* wide, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return;
    }
    const std::string text = WideToUtf8(wide);
    std::size_t kept = std::min(text.size(), static_cast<std::size_t>(length - 1));
    while (kept > 0 && kept < text.size() && (text[kept] & 0xC0) == 0x80) {
        --kept;  // never end inside a multi-byte letter
    }
    text.copy(buffer, kept);
    buffer[kept] = '\0';
}

}  // namespace

std::uint32_t Win32MciPort::SendString(std::string_view command, char* reply, int replyLength) {
    const std::wstring wideCommand = Utf8ToWide(command);
    if (reply == nullptr || replyLength <= 0) {
        return mciSendStringW(wideCommand.c_str(), nullptr, 0, nullptr);
    }
    std::vector<wchar_t> wideReply(static_cast<std::size_t>(replyLength), L'\0');
    const MCIERROR code = mciSendStringW(wideCommand.c_str(), wideReply.data(),
                                         static_cast<UINT>(replyLength), nullptr);
    wideReply.back() = L'\0';
    CopyAsUtf8(wideReply.data(), reply, replyLength);
    return code;
}

bool Win32MciPort::GetErrorString(std::uint32_t code, char* text, int length) {
    if (text == nullptr || length <= 0) {
        return false;
    }
    std::vector<wchar_t> wideText(static_cast<std::size_t>(length), L'\0');
    if (!mciGetErrorStringW(code, wideText.data(), static_cast<UINT>(length))) {
        return false;
    }
    wideText.back() = L'\0';
    CopyAsUtf8(wideText.data(), text, length);
    return true;
}

bool Win32MciPort::PlayWaveSound(const char* name, std::uint32_t flags) {
    if (name == nullptr) {
        return PlaySoundW(nullptr, nullptr, flags) != FALSE;
    }
    return PlaySoundW(Utf8ToWide(name).c_str(), nullptr, flags) != FALSE;
}

int Win32MciPort::WaveOutDeviceCount() {
    return static_cast<int>(waveOutGetNumDevs());
}
