#pragma once
// Skymere_B's file routines on Windows: the FilePort that LoadSettings and FileExists read
// through, and WriteIni, with which the settings are saved.
#include <cstdint>
#include <string>
#include <string_view>

#include "saver/skymere_b_routines.h"

class Win32FilePort : public FilePort {
public:
    std::string ReadIni(std::string_view section, std::string_view key,
                        std::string_view file) override;
    bool OpensForReading(std::string_view path) override;
};

// Writes one value of a profile file; section and key are byte strings (the settings file's
// code-page-932 keys), value and file UTF-8. Returns the platform's result for ApiResult:
// nonzero on success, 0 when the file could not be written.
std::int32_t WriteIni(std::string_view section, std::string_view key, std::string_view value,
                      std::string_view file);
