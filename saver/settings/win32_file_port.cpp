#include "saver/settings/win32_file_port.h"

#include <windows.h>

#include "saver/runtime/files.h"
#include "saver/runtime/profile_file.h"
#include "saver/runtime/win32_text.h"

std::string Win32FilePort::ReadIni(std::string_view section, std::string_view key,
                                   std::string_view file) {
    return ReadProfileValue(section, key, file);
}

bool Win32FilePort::WriteIni(std::string_view section, std::string_view key, std::string_view value,
                             std::string_view file) {
    return WriteProfileValue(section, key, value, file);
}

bool Win32FilePort::EditApart(std::string_view file,
                              const std::function<bool(std::string_view copy)>& edit) {
    // A read-only file is kept, also where the platform would let it be replaced.
    if (IsReadOnlyFile(file)) {
        return false;
    }
    const std::string copy = std::string(file) + ".partial";
    RemoveFile(copy);  // left by a run that ended half-way
    // A file that is there but cannot be copied (locked, unreadable) is never replaced.
    const bool exists = GetFileAttributesW(Utf8ToWide(file).c_str()) != INVALID_FILE_ATTRIBUTES;
    if ((!exists || CopyFileOver(file, copy)) && edit(copy) && MoveFileOver(copy, file)) {
        return true;
    }
    RemoveFile(copy);
    return false;
}

bool Win32FilePort::OpensForReading(std::string_view path) {
    return OpensFileForReading(path);
}
