#include "saver/settings/win32_file_port.h"

#include "saver/runtime/files.h"
#include "saver/runtime/profile_file.h"

std::string Win32FilePort::ReadIni(std::string_view section, std::string_view key,
                                   std::string_view file) {
    return ReadProfileValue(section, key, file);
}

bool Win32FilePort::WriteIni(std::string_view section, std::string_view key, std::string_view value,
                             std::string_view file) {
    return WriteProfileValue(section, key, value, file);
}

bool Win32FilePort::OpensForReading(std::string_view path) {
    return OpensFileForReading(path);
}
