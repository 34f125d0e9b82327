#include "tools/pictures/picture_files.h"

#include "tools/file_bytes.h"

namespace pictures {
namespace {

using tools::putLittleEndian;

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t rowSize(int width, int bitsPerPixel) {
    return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER: a positive height means the rows are stored bottom-up.
void putInfoHeader(std::vector<std::uint8_t>& out, const Picture& picture, int heightField,
                   int bitsPerPixel, std::uint32_t dataSize) {
    putLittleEndian(out, kInfoHeaderSize, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(picture.width()), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(heightField), 4);
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, static_cast<std::uint32_t>(bitsPerPixel), 2);
    putLittleEndian(out, 0, 4);  // BI_RGB, uncompressed
    putLittleEndian(out, dataSize, 4);
    for (int unset = 0; unset < 4; ++unset) {
        putLittleEndian(out, 0, 4);  // no resolution, no colour table
    }
}

void putRows(std::vector<std::uint8_t>& out, const Picture& picture, bool withAlpha) {
    const int bits = withAlpha ? 32 : 24;
    for (int y = picture.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba pixel = picture.at(x, y);
            out.insert(out.end(), {pixel.blue, pixel.green, pixel.red});
            if (withAlpha) {
                out.push_back(pixel.alpha);
            }
        }
        out.resize(rowStart + rowSize(picture.width(), bits), 0);
    }
}

void putMask(std::vector<std::uint8_t>& out, const Picture& image) {
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowSize(image.width(), 1), 0);
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y).alpha == 0) {
                row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::uint32_t iconImageSize(const Picture& image) {
    return kInfoHeaderSize + (rowSize(image.width(), 32) + rowSize(image.width(), 1)) *
                                 static_cast<std::uint32_t>(image.height());
}

// A size byte of the icon directory: 0 stands for 256.
std::uint8_t sizeByte(int size) {
    return static_cast<std::uint8_t>(size == 256 ? 0 : size);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Picture& picture) {
    constexpr std::uint32_t kPixelOffset = 14 + kInfoHeaderSize;
    const std::uint32_t pixelBytes =
        rowSize(picture.width(), 24) * static_cast<std::uint32_t>(picture.height());
    std::vector<std::uint8_t> out = {'B', 'M'};
    putLittleEndian(out, kPixelOffset + pixelBytes, 4);
    putLittleEndian(out, 0, 4);  // reserved
    putLittleEndian(out, kPixelOffset, 4);
    putInfoHeader(out, picture, picture.height(), 24, pixelBytes);
    putRows(out, picture, false);
    return out;
}

std::vector<std::uint8_t> encodeIco(std::span<const Picture> images) {
    std::vector<std::uint8_t> out;
    putLittleEndian(out, 0, 2);  // reserved
    putLittleEndian(out, 1, 2);  // an icon, not a cursor
    putLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Picture& image : images) {
        out.insert(out.end(), {sizeByte(image.width()), sizeByte(image.height()), 0, 0});
        putLittleEndian(out, 1, 2);  // planes
        putLittleEndian(out, 32, 2);
        putLittleEndian(out, iconImageSize(image), 4);
        putLittleEndian(out, offset, 4);
        offset += iconImageSize(image);
    }
    for (const Picture& image : images) {
        // The height covers the colour rows and the mask rows together.
        putInfoHeader(out, image, 2 * image.height(), 32, iconImageSize(image) - kInfoHeaderSize);
        putRows(out, image, true);
        putMask(out, image);
    }
    return out;
}

std::vector<std::uint8_t> encodePictureFile(std::string_view name,
                                            std::span<const Picture> images) {
    return name.ends_with(".ico") ? encodeIco(images) : encodeBmp(images.front());
}

}  // namespace pictures
