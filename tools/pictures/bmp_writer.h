#pragma once
// Windows bitmap files as the saver carries them: BITMAPFILEHEADER, BITMAPINFOHEADER and
// uncompressed 24-bit pixels (blue, green, red), rows bottom-up and padded to 4 bytes.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

std::vector<std::uint8_t> encodeBmp(const Picture& picture);

// Replaces the file; false when it cannot be written completely.
bool writeBmpFile(const std::filesystem::path& path, const Picture& picture);

}  // namespace pictures
