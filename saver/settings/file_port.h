#pragma once
// The files the saver's settings routines reach: profile values, editing a file apart so that a
// failed write leaves it whole, and the question whether a file can be read. The Win32 side
// implements the port with the ANSI profile functions and the file functions
// (win32_file_port.h); the tests with a fake.
#include <functional>
#include <string>
#include <string_view>

class FilePort {
public:
    virtual ~FilePort() = default;

    // The value of `key` in `section` of the profile file `file`; empty when the file, the
    // section or the key is missing. Section and key are passed to the profile functions byte
    // for byte; file and value are UTF-8.
    virtual std::string ReadIni(std::string_view section, std::string_view key,
                                std::string_view file) = 0;

    // Sets `key` in `section` of `file` to `value`, making the file and the section when
    // needed. False when the file could not be written.
    virtual bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view file) = 0;

    // Runs `edit` on a copy of `file` beside it (an empty one when `file` does not exist), then
    // puts the copy in the file's place in one step. False, with `file` as it was and no copy
    // left, when the copy cannot be made, `edit` returns false or `file` cannot be replaced.
    virtual bool EditApart(std::string_view file,
                           const std::function<bool(std::string_view copy)>& edit) = 0;

    // Whether `path` opens as a file for reading: false for a folder, a bad name, a missing
    // file or one without read access.
    virtual bool OpensForReading(std::string_view path) = 0;
};
