#include "tools/pictures/bmp_writer.h"

#include <cstddef>

#include "tools/pictures/file_bytes.h"
#include "tools/pictures/little_endian_bytes.h"

namespace pictures {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;

std::uint32_t paddedRowSize(int width) {
    return (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Picture& picture) {
    const std::uint32_t rowSize = paddedRowSize(picture.width());
    const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(picture.height());
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + pixelBytes);

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    putU32(out, pixelOffset + pixelBytes);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, pixelOffset);

    // BITMAPINFOHEADER: a positive height means the rows are stored bottom-up.
    putU32(out, kInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(picture.width()));
    putU32(out, static_cast<std::uint32_t>(picture.height()));
    putU16(out, 1);  // planes
    putU16(out, kBitsPerPixel);
    putU32(out, 0);  // BI_RGB, uncompressed
    putU32(out, pixelBytes);
    putU32(out, 0);  // horizontal resolution: unspecified
    putU32(out, 0);  // vertical resolution: unspecified
    putU32(out, 0);  // no colour table
    putU32(out, 0);  // every colour important

    const std::size_t padding = rowSize - static_cast<std::uint32_t>(picture.width()) * 3;
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba colour = picture.at(x, y);
            out.push_back(colour.blue);
            out.push_back(colour.green);
            out.push_back(colour.red);
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

bool writeBmpFile(const std::filesystem::path& path, const Picture& picture) {
    return writeFileBytes(path, encodeBmp(picture));
}

}  // namespace pictures
