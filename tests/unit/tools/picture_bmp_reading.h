#pragma once
// A strict reader for the 24-bit bitmaps the picture tool writes, kept apart from the tool's own
// code so the tests check the files against the format rather than against the writer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "tools/pictures/rgb_picture.h"

namespace picture_test {

inline std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::uint32_t readU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

inline std::uint16_t readU16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The picture held by an uncompressed, bottom-up, 24-bit BMP with a 40-byte info header, or
// nothing when the file is anything else or its sizes do not add up.
inline std::optional<pictures::RgbPicture> parseBmp24(const std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || bytes[0] != 'B' || bytes[1] != 'M' ||
        readU32(bytes, 2) != bytes.size() || readU32(bytes, 10) != kHeaders ||
        readU32(bytes, 14) != 40 || readU16(bytes, 26) != 1 || readU16(bytes, 28) != 24 ||
        readU32(bytes, 30) != 0) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(readU32(bytes, 18));
    const auto height = static_cast<std::int32_t>(readU32(bytes, 22));
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (readU32(bytes, 34) != rowSize * height || bytes.size() != kHeaders + rowSize * height) {
        return std::nullopt;
    }
    pictures::RgbPicture picture(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = kHeaders + rowSize * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            picture.set(x, y, {bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    return picture;
}

inline std::filesystem::path committedPicturePath(const char* fileName) {
    return std::filesystem::path(SORAVANE_SOURCE_DIR) / "saver" / "resources" / fileName;
}

}  // namespace picture_test
