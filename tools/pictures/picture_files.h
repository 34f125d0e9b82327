#pragma once
// The picture files the saver carries: Windows bitmaps of 24-bit pixels, and icons of 32-bit
// images with transparency.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

// BITMAPFILEHEADER, BITMAPINFOHEADER, then blue-green-red rows bottom-up, padded to 4 bytes.
std::vector<std::uint8_t> encodeBmp(const Picture& picture);

// ICONDIR and an ICONDIRENTRY per image, then each image (1 to 256 pixels a side) as a
// BITMAPINFOHEADER of twice its height, blue-green-red-alpha rows bottom-up and a 1-bit AND
// mask set where the image is fully transparent (for programs that ignore alpha).
std::vector<std::uint8_t> encodeIco(std::span<const Picture> images);

// An icon when the name ends in ".ico", otherwise a bitmap of the first image.
std::vector<std::uint8_t> encodePictureFile(std::string_view name, std::span<const Picture> images);

}  // namespace pictures
