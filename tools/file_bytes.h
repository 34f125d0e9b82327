#pragma once
// Files the tools build in memory: little-endian fields (as every format here stores them,
// whatever the host), then the whole file written in one go.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tools {

inline void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Replaces the file; false when it could not be written whole.
inline bool writeFileBytes(const std::filesystem::path& path,
                           const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace tools
