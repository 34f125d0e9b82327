#include "saver/runtime/win32_text.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

// `lost`, when given, tells whether a letter had no exact form in the code page (`flags`
// WC_NO_BEST_FIT_CHARS keeps look-alikes out); CP_UTF8 takes neither.
std::string FromWide(UINT codePage, std::wstring_view text, DWORD flags = 0, BOOL* lost = nullptr) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int byteLength =
        WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, lost);
    if (byteLength <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(byteLength), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), byteLength, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
    return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(std::wstring_view text) {
    return FromWide(CP_UTF8, text);
}

std::string AnsiToUtf8(std::string_view text) {
    return FromWide(CP_UTF8, ToWide(CP_ACP, text));
}

std::optional<std::string> ExactAnsi(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    if (wide.empty() || GetACP() == CP_UTF8) {
        return std::string(text);  // UTF-8 as the ANSI code page holds every letter
    }
    BOOL lost = FALSE;
    std::string bytes = FromWide(CP_ACP, wide, WC_NO_BEST_FIT_CHARS, &lost);
    if (bytes.empty() || lost != FALSE) {
        return std::nullopt;
    }
    return bytes;
}
