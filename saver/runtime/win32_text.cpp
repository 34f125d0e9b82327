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

std::string FromWide(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int byteLength =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (byteLength <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(byteLength), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), byteLength, nullptr,
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

std::string Utf8ToAnsi(std::string_view text) {
    return FromWide(CP_ACP, ToWide(CP_UTF8, text));
}

std::string AnsiToUtf8(std::string_view text) {
    return FromWide(CP_UTF8, ToWide(CP_ACP, text));
}

std::optional<std::string> ExactAnsi(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    if (wide.empty() || GetACP() == CP_UTF8) {
        return std::string(text);  // UTF-8 as the ANSI code page holds every letter
    }
    const int length = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int byteLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                               nullptr, 0, nullptr, &lost);
    if (byteLength <= 0 || lost != FALSE) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(byteLength), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), byteLength,
                        nullptr, &lost);
    return bytes;
}
