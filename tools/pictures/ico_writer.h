#pragma once
// Windows icon files: an ICONDIR, one ICONDIRENTRY per image, then each image as a
// BITMAPINFOHEADER (its height doubled, covering colour and mask), 32-bit blue-green-red-alpha
// rows bottom-up, and a 1-bit AND mask, rows padded to 4 bytes, bit set where the image is
// fully transparent (for programs that ignore the alpha channel).
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

// Images of 1 to 256 pixels per side, in the order given.
std::vector<std::uint8_t> encodeIco(std::span<const Picture> images);

// Replaces the file; false when it cannot be written completely.
bool writeIcoFile(const std::filesystem::path& path, std::span<const Picture> images);

}  // namespace pictures
