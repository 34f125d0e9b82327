#pragma once
// A strict reader for the icon files the picture tool writes, kept apart from the tool's code
// so the tests check the files against the format rather than against the writer.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "tests/unit/tools/picture_bmp_reading.h"
#include "tools/pictures/rgba_picture.h"

namespace picture_test {

struct IconImage {
    pictures::RgbaPicture colour{0, 0};
    std::vector<std::vector<bool>> transparentInMask;  // [y][x], the top row first
};

// The images of an ICO file holding 32-bit images with 1-bit masks, or nothing when the file
// is anything else or its directory and images do not fit together exactly.
inline std::optional<std::vector<IconImage>> parseIco(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 6 || readU16(bytes, 0) != 0 || readU16(bytes, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = readU16(bytes, 4);
    std::size_t expectedOffset = 6 + 16 * count;
    if (count == 0 || bytes.size() < expectedOffset) {
        return std::nullopt;
    }
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int width = bytes[entry] == 0 ? 256 : bytes[entry];
        const int height = bytes[entry + 1] == 0 ? 256 : bytes[entry + 1];
        const std::size_t size = readU32(bytes, entry + 8);
        const std::size_t offset = readU32(bytes, entry + 12);
        const std::size_t maskRow = (static_cast<std::size_t>(width) + 31) / 32 * 4;
        const std::size_t colourBytes = static_cast<std::size_t>(width) * height * 4;
        if (bytes[entry + 2] != 0 || bytes[entry + 3] != 0 || readU16(bytes, entry + 4) != 1 ||
            readU16(bytes, entry + 6) != 32 || offset != expectedOffset ||
            size != 40 + colourBytes + maskRow * height || offset + size > bytes.size()) {
            return std::nullopt;
        }
        if (readU32(bytes, offset) != 40 || readU32(bytes, offset + 4) != std::uint32_t(width) ||
            readU32(bytes, offset + 8) != std::uint32_t(2 * height) ||
            readU16(bytes, offset + 12) != 1 || readU16(bytes, offset + 14) != 32 ||
            readU32(bytes, offset + 16) != 0) {
            return std::nullopt;
        }
        IconImage image{pictures::RgbaPicture(width, height),
                        std::vector<std::vector<bool>>(height, std::vector<bool>(width))};
        const std::size_t pixels = offset + 40;
        const std::size_t mask = pixels + colourBytes;
        for (int y = 0; y < height; ++y) {
            const std::size_t row = static_cast<std::size_t>(height - 1 - y);
            for (int x = 0; x < width; ++x) {
                const std::size_t at = pixels + (row * width + x) * 4;
                image.colour.set(x, y, {bytes[at + 2], bytes[at + 1], bytes[at], bytes[at + 3]});
                const std::uint8_t maskByte = bytes[mask + row * maskRow + x / 8];
                image.transparentInMask[y][x] = (maskByte & (0x80 >> (x % 8))) != 0;
            }
        }
        images.push_back(image);
        expectedOffset = offset + size;
    }
    if (expectedOffset != bytes.size()) {
        return std::nullopt;
    }
    return images;
}

}  // namespace picture_test
