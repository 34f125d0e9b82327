#pragma once
// Private profile (ini) files through the ANSI profile functions, so that key names stay the
// byte strings existing files hold. Section and key are passed byte for byte; the file name
// and the value are UTF-8 and cross in the system's ANSI code page.
#include <string>
#include <string_view>

// The value of `key` in `section` of `file`, whole whatever its length; empty when the file,
// the section or the key is missing.
std::string ReadProfileValue(std::string_view section, std::string_view key, std::string_view file);

// Sets `key` in `section` of `file` to `value`, making the file and the section when they do
// not exist. False when the file cannot be written.
bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       std::string_view file);
