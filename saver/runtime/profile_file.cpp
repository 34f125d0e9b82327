#include "saver/runtime/profile_file.h"

#include <windows.h>

#include "saver/runtime/files.h"
#include "saver/runtime/win32_text.h"

namespace {

// Large enough for any value the saver writes in one call; longer ones take more calls.
constexpr DWORD kFirstBufferSize = 32768;
// The profile functions read at most this much of one line (a 32-bit size is larger than any
// profile file the system reads whole).
constexpr DWORD kLargestBufferSize = 1u << 24;

}  // namespace

std::string ReadProfileValue(std::string_view section, std::string_view key,
                             std::string_view file) {
    const std::string sectionText(section);
    const std::string keyText(key);
    const std::optional<std::string> fileName = AnsiPath(file);
    if (!fileName) {
        return {};
    }
    std::string buffer;
    for (DWORD size = kFirstBufferSize; size <= kLargestBufferSize; size *= 2) {
        buffer.assign(size, '\0');
        const DWORD length = GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(), "",
                                                      buffer.data(), size, fileName->c_str());
        // A value that fills the buffer may have been cut: read again with more room.
        if (length < size - 1) {
            buffer.resize(length);
            return AnsiToUtf8(buffer);
        }
    }
    return AnsiToUtf8(buffer.c_str());
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       std::string_view file) {
    const std::string sectionText(section);
    const std::string keyText(key);
    const std::optional<std::string> valueText = AnsiPath(value);  // exact, or a short path
    const std::optional<std::string> fileName = AnsiPath(file);
    return valueText && fileName &&
           WritePrivateProfileStringA(sectionText.c_str(), keyText.c_str(), valueText->c_str(),
                                      fileName->c_str()) != FALSE;
}
