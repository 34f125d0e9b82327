#pragma once
// Private profile (ini) files through the ANSI profile functions, so that key names stay the
// byte strings existing files hold. Section and key are passed byte for byte; the file name
// and the value are UTF-8 and cross in the system's ANSI code page, never by a look-alike
// letter: a path the code page cannot hold exactly crosses in its short form (AnsiPath).
#include <string>
#include <string_view>

// The value of `key` in `section` of `file`, whole whatever its length; empty when the file,
// the section or the key is missing.
std::string ReadProfileValue(std::string_view section, std::string_view key, std::string_view file);

// Sets `key` in `section` of `file` to `value`, making the file and the section when they do
// not exist. Values are numbers and paths: one the code page cannot hold exactly is written as
// the short form of the path it names. False when the file cannot be written or the value has
// no exact form.
bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       std::string_view file);
