#include "scene/bitmap/bitmap_rows.h"

#include <bit>
#include <cstddef>
#include <span>

namespace {

// One colour channel of a 16- or 32-bit pixel. Values are scaled with rounding so that the
// channel's largest value becomes 255: 5-bit 31 gives 255, not 248.
class ChannelField {
public:
    explicit ChannelField(uint32_t mask)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), maximum_(mask >> shift_) {}

    uint8_t extract(uint32_t pixel) const {
        const uint32_t value = (pixel & mask_) >> shift_;
        if (maximum_ == 0xFF || maximum_ == 0) {
            return static_cast<uint8_t>(value);
        }
        return static_cast<uint8_t>((uint64_t{value} * 255 + maximum_ / 2) / maximum_);
    }

private:
    uint32_t mask_;
    int shift_;
    uint32_t maximum_;
};

struct ChannelFields {
    ChannelField red;
    ChannelField green;
    ChannelField blue;
};

void putColour(std::span<uint8_t> out, size_t x, RgbColour colour) {
    out[3 * x] = colour.red;
    out[3 * x + 1] = colour.green;
    out[3 * x + 2] = colour.blue;
}

// 1, 4 and 8 bits: indices packed from the most significant bits of each byte.
void unpackIndexedRow(std::span<const uint8_t> row, unsigned bitCount, const ColourTable& colours,
                      std::span<uint8_t> out, size_t width) {
    const unsigned perByte = 8 / bitCount;
    const unsigned indexMask = (1u << bitCount) - 1;
    for (size_t x = 0; x < width; ++x) {
        const unsigned shift = 8 - bitCount * (static_cast<unsigned>(x % perByte) + 1);
        const unsigned index = (row[x / perByte] >> shift) & indexMask;
        putColour(out, x, colours[index]);
    }
}

void unpackRgb24Row(std::span<const uint8_t> row, std::span<uint8_t> out, size_t width) {
    for (size_t x = 0; x < width; ++x) {
        putColour(out, x, RgbColour{row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
}

void unpackMaskedRow(std::span<const uint8_t> row, unsigned bitCount, const ChannelFields& fields,
                     std::span<uint8_t> out, size_t width) {
    const size_t bytesPerPixel = bitCount / 8;
    for (size_t x = 0; x < width; ++x) {
        const size_t at = x * bytesPerPixel;
        uint32_t pixel = 0;
        for (size_t byte = 0; byte < bytesPerPixel; ++byte) {
            pixel |= static_cast<uint32_t>(row[at + byte]) << (8 * byte);
        }
        putColour(out, x,
                  RgbColour{fields.red.extract(pixel), fields.green.extract(pixel),
                            fields.blue.extract(pixel)});
    }
}

}  // namespace

uint64_t storedRowBytes(int64_t width, uint16_t bitCount) {
    return (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
}

void unpackRows(const BitmapLayout& layout, RgbImage& image) {
    const size_t width = static_cast<size_t>(layout.width);
    const size_t height = static_cast<size_t>(layout.height);
    const size_t storedStride = static_cast<size_t>(storedRowBytes(layout.width, layout.bitCount));
    const size_t outStride = width * 3;
    const ChannelFields fields{ChannelField(layout.masks[0]), ChannelField(layout.masks[1]),
                               ChannelField(layout.masks[2])};
    const std::span<uint8_t> pixels(image.pixels);

    for (size_t stored = 0; stored < height; ++stored) {
        // The picture goes out bottom row first, whichever way the file stores its rows.
        const size_t row = layout.topDown ? height - 1 - stored : stored;
        const std::span<const uint8_t> in =
            layout.bits.subspan(stored * storedStride, storedStride);
        const std::span<uint8_t> out = pixels.subspan(row * outStride, outStride);
        switch (layout.bitCount) {
            case 1:
            case 4:
            case 8:
                unpackIndexedRow(in, layout.bitCount, layout.colours, out, width);
                break;
            case 24:
                unpackRgb24Row(in, out, width);
                break;
            default:
                unpackMaskedRow(in, layout.bitCount, fields, out, width);
                break;
        }
    }
}

bool isPlain24Bit(const BitmapLayout& layout) {
    return layout.bitCount == 24 && layout.compression == kCompressionRgb && !layout.topDown;
}

void unpackRowsInPlace(const BitmapLayout& layout, std::vector<uint8_t>& file) {
    const size_t width = static_cast<size_t>(layout.width);
    const size_t height = static_cast<size_t>(layout.height);
    const size_t storedStride = static_cast<size_t>(storedRowBytes(layout.width, 24));
    const size_t bitsStart = static_cast<size_t>(layout.bits.data() - file.data());
    uint8_t* const bytes = file.data();
    // Pixel i moves from bitsStart + row padding + 3i to 3i, never forwards, and
    // unpackRgb24Row reads each pixel whole before it writes it: no pixel overwrites one still
    // to be read.
    for (size_t row = 0; row < height; ++row) {
        unpackRgb24Row({bytes + bitsStart + row * storedStride, width * 3},
                       {bytes + row * width * 3, width * 3}, width);
    }
    file.resize(width * height * 3);
}
