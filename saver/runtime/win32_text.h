#pragma once
// Text conversions where the saver's UTF-8 texts meet Windows: UTF-16 for the wide (W)
// functions, and the system's ANSI code page for the ANSI (A) functions of the profile files.
// Bytes that do not convert become the code page's replacement character; only ExactAnsi
// refuses a text it cannot carry exactly.
#include <optional>
#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// From the ANSI code page (CP_ACP): code page 932 on the Japanese systems the saver is made
// for, so Japanese file names survive there.
std::string AnsiToUtf8(std::string_view text);

// `text` in the ANSI code page when the code page holds every letter exactly; nothing when a
// letter would be lost or replaced by a look-alike ("café" as "cafe" is another name).
std::optional<std::string> ExactAnsi(std::string_view text);
