#pragma once
// The FilePort of Windows: the ANSI profile functions for the settings file, a copy beside it
// for editing apart, and a file open for FileExists.
#include "saver/settings/file_port.h"

class Win32FilePort : public FilePort {
public:
    std::string ReadIni(std::string_view section, std::string_view key,
                        std::string_view file) override;
    bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file) override;
    bool EditApart(std::string_view file,
                   const std::function<bool(std::string_view copy)>& edit) override;
    bool OpensForReading(std::string_view path) override;
};
