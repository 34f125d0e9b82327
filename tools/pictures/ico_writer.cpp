#include "tools/pictures/ico_writer.h"

#include "tools/pictures/file_bytes.h"
#include "tools/pictures/little_endian_bytes.h"

namespace pictures {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kBitsPerPixel = 32;

std::uint32_t maskRowSize(int width) {
    return (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
}

std::uint32_t imageSize(const Picture& image) {
    const auto height = static_cast<std::uint32_t>(image.height());
    return kInfoHeaderSize + static_cast<std::uint32_t>(image.width()) * 4 * height +
           maskRowSize(image.width()) * height;
}

// A size byte of the directory: 0 stands for 256.
std::uint8_t sizeByte(int size) {
    return static_cast<std::uint8_t>(size == 256 ? 0 : size);
}

void putImage(std::vector<std::uint8_t>& out, const Picture& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    putU32(out, kInfoHeaderSize);
    putU32(out, width);
    putU32(out, height * 2);  // the colour rows and the mask rows together
    putU16(out, 1);           // planes
    putU16(out, kBitsPerPixel);
    putU32(out, 0);  // BI_RGB
    putU32(out, imageSize(image) - kInfoHeaderSize);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0);

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba pixel = image.at(x, y);
            out.push_back(pixel.blue);
            out.push_back(pixel.green);
            out.push_back(pixel.red);
            out.push_back(pixel.alpha);
        }
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRowSize(image.width()), 0);
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y).alpha == 0) {
                row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<std::uint8_t> encodeIco(std::span<const Picture> images) {
    std::vector<std::uint8_t> out;
    putU16(out, 0);  // reserved
    putU16(out, kIconType);
    putU16(out, static_cast<std::uint16_t>(images.size()));

    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const Picture& image : images) {
        out.push_back(sizeByte(image.width()));
        out.push_back(sizeByte(image.height()));
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        putU16(out, 1);    // planes
        putU16(out, kBitsPerPixel);
        putU32(out, imageSize(image));
        putU32(out, offset);
        offset += imageSize(image);
    }
    for (const Picture& image : images) {
        putImage(out, image);
    }
    return out;
}

bool writeIcoFile(const std::filesystem::path& path, std::span<const Picture> images) {
    return writeFileBytes(path, encodeIco(images));
}

}  // namespace pictures
