#include "scene/bitmap/bitmap_layout.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kPixelOffsetField = 10;  // in the file header
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;
constexpr size_t kMasksSize = 12;  // red, green and blue masks, 4 bytes each

// The fields of every recognised header, the core header's 16-bit sizes widened.
struct DibHeader {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative for top-down rows
    uint16_t bitCount = 0;
    uint32_t compression = kCompressionRgb;
    uint32_t imageSize = 0;
    uint32_t coloursUsed = 0;
    std::array<uint32_t, 3> masks{};
};

// Little-endian fields; callers have checked that the bytes lie inside `bytes`.
uint16_t read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t read32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

std::array<uint32_t, 3> readMasks(std::span<const uint8_t> bytes, size_t at) {
    return {read32(bytes, at), read32(bytes, at + 4), read32(bytes, at + 8)};
}

bool isKnownHeaderSize(uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == kV4HeaderSize ||
           size == kV5HeaderSize;
}

DibHeader readCoreHeader(std::span<const uint8_t> dib) {
    DibHeader header;
    header.size = kCoreHeaderSize;
    header.width = read16(dib, 4);
    header.height = read16(dib, 6);
    header.bitCount = read16(dib, 10);
    return header;
}

// The info header and its later versions share their first 40 bytes; the later versions
// carry the colour masks inside the header, right after them.
DibHeader readInfoHeader(std::span<const uint8_t> dib, uint32_t size) {
    DibHeader header;
    header.size = size;
    header.width = static_cast<int32_t>(read32(dib, 4));
    header.height = static_cast<int32_t>(read32(dib, 8));
    header.bitCount = read16(dib, 14);
    header.compression = read32(dib, 16);
    header.imageSize = read32(dib, 20);
    header.coloursUsed = read32(dib, 32);
    if (size > kInfoHeaderSize) {
        header.masks = readMasks(dib, kInfoHeaderSize);
    }
    return header;
}

uint32_t colourTableEntries(const DibHeader& header) {
    if (header.size != kCoreHeaderSize && header.coloursUsed != 0) {
        return header.coloursUsed % 65536;
    }
    switch (header.bitCount) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

// The depth and compression pairs the platform's conversion accepts.
bool isDecodableFormat(const DibHeader& header) {
    if (header.width <= 0 || header.height == 0) {
        return false;
    }
    switch (header.compression) {
        case kCompressionRgb:
            return header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 ||
                   header.bitCount == 16 || header.bitCount == 24 || header.bitCount == 32;
        case kCompressionRle8:
            return header.bitCount == 8 && header.height > 0;  // RLE is bottom-up only
        case kCompressionRle4:
            return header.bitCount == 4 && header.height > 0;
        case kCompressionBitfields:
            return header.bitCount == 16 || header.bitCount == 32;
        default:
            return false;
    }
}

std::array<uint32_t, 3> defaultMasks(uint16_t bitCount) {
    if (bitCount == 16) {
        return {0x7C00, 0x03E0, 0x001F};  // 5-5-5, top bit unused
    }
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

// Reads the entries that pixels can index: those past 2^bitCount can never be used, so a
// table longer than that (or one for a depth without indices) need not be in the file.
bool readColourTable(std::span<const uint8_t> table, uint32_t entries, size_t entrySize,
                     uint16_t bitCount, ColourTable& colours) {
    if (bitCount > 8) {
        return true;
    }
    const size_t used = std::min<size_t>(entries, size_t{1} << bitCount);
    if (used * entrySize > table.size()) {
        return false;
    }
    for (size_t i = 0; i < used; ++i) {
        const size_t at = i * entrySize;
        colours[i] = RgbColour{table[at + 2], table[at + 1], table[at]};
    }
    return true;
}

}  // namespace

BitmapError readBitmapLayout(std::span<const uint8_t> file, BitmapLayout& layout) {
    const bool hasFileHeader = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    const size_t headerStart = hasFileHeader ? kFileHeaderSize : 0;
    if (file.size() < headerStart + 4) {
        return BitmapError::UnknownFormat;
    }
    const std::span<const uint8_t> dib = file.subspan(headerStart);
    const uint32_t headerSize = read32(dib, 0);
    if (!isKnownHeaderSize(headerSize)) {
        return BitmapError::UnknownFormat;
    }
    if (dib.size() < headerSize) {
        return BitmapError::ConversionError;
    }
    const bool isCore = headerSize == kCoreHeaderSize;
    DibHeader header = isCore ? readCoreHeader(dib) : readInfoHeader(dib, headerSize);
    if (!isDecodableFormat(header)) {
        return BitmapError::ConversionError;
    }

    // A plain info header keeps its bit-field masks right after itself, before the colours.
    size_t tableStart = headerSize;
    if (header.compression == kCompressionBitfields && headerSize == kInfoHeaderSize) {
        if (dib.size() < kInfoHeaderSize + kMasksSize) {
            return BitmapError::ConversionError;
        }
        header.masks = readMasks(dib, kInfoHeaderSize);
        tableStart += kMasksSize;
    } else if (header.compression != kCompressionBitfields) {
        header.masks = defaultMasks(header.bitCount);
    }

    const uint32_t entries = colourTableEntries(header);
    const size_t entrySize = isCore ? 3 : 4;
    if (!readColourTable(dib.subspan(tableStart), entries, entrySize, header.bitCount,
                         layout.colours)) {
        return BitmapError::ConversionError;
    }

    // Without a file header the bits follow the colour table directly.
    const size_t bitsOffset = hasFileHeader
                                  ? read32(file, kPixelOffsetField)
                                  : headerStart + tableStart + size_t{entries} * entrySize;
    if (bitsOffset >= file.size()) {
        return BitmapError::ConversionError;
    }
    layout.bits = file.subspan(bitsOffset);
    const bool isRle =
        header.compression == kCompressionRle8 || header.compression == kCompressionRle4;
    if (isRle && header.imageSize != 0 && header.imageSize < layout.bits.size()) {
        layout.bits = layout.bits.first(header.imageSize);
    }

    layout.width = header.width;
    layout.topDown = header.height < 0;
    layout.height = layout.topDown ? -header.height : header.height;
    layout.bitCount = header.bitCount;
    layout.compression = header.compression;
    layout.masks = header.masks;
    return BitmapError::None;
}
