#pragma once
// Writing a file built in memory in one go; false when it could not be written whole.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace pictures {

inline bool writeFileBytes(const std::filesystem::path& path,
                           const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace pictures
