#pragma once
// Text conversions where the saver's UTF-8 texts meet Windows: UTF-16 for the wide (W)
// functions, and the system's ANSI code page for the ANSI (A) functions of the profile files
// and the multimedia library. Bytes that do not convert become the code page's replacement
// character; nothing here fails.
#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// To and from the ANSI code page (CP_ACP): code page 932 on the Japanese systems the saver is
// made for, so Japanese file names survive there.
std::string Utf8ToAnsi(std::string_view text);
std::string AnsiToUtf8(std::string_view text);
