#include "scene/bitmap/bitmap_rle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// The second byte after a zero count.
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

class RleDecoder {
public:
    RleDecoder(const BitmapLayout& layout, RgbImage& image)
        : stream_(layout.bits),
          colours_(layout.colours),
          pixels_(image.pixels),
          width_(static_cast<uint64_t>(layout.width)),
          height_(static_cast<uint64_t>(layout.height)),
          nibbles_(layout.compression == kCompressionRle4) {}

    bool decode() {
        while (y_ < height_) {
            if (!has(2)) {
                return false;
            }
            const uint8_t count = stream_[position_];
            const uint8_t code = stream_[position_ + 1];
            position_ += 2;
            if (count != 0) {
                putRepeatedRun(count, code);
                continue;
            }
            switch (code) {
                case kEndOfLine:
                    x_ = 0;
                    ++y_;
                    break;
                case kEndOfBitmap:
                    return true;
                case kDelta:
                    if (!has(2)) {
                        return false;
                    }
                    x_ += stream_[position_];
                    y_ += stream_[position_ + 1];
                    position_ += 2;
                    break;
                default:
                    if (!putLiteralRun(code)) {
                        return false;
                    }
                    break;
            }
        }
        return true;
    }

private:
    bool has(size_t bytes) const { return stream_.size() - position_ >= bytes; }

    // RLE4 packs two indices per byte, the first in the high nibble.
    unsigned indexAt(uint8_t byte, unsigned i) const {
        if (!nibbles_) {
            return byte;
        }
        return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }

    // Runs that overrun the row are clipped at the picture's right edge, as the platform
    // does; they never wrap into the next row.
    void putPixel(unsigned index) {
        if (x_ < width_) {
            const size_t at = static_cast<size_t>((y_ * width_ + x_) * 3);
            const RgbColour colour = colours_[index];
            pixels_[at] = colour.red;
            pixels_[at + 1] = colour.green;
            pixels_[at + 2] = colour.blue;
        }
        ++x_;
    }

    void putRepeatedRun(unsigned count, uint8_t value) {
        for (unsigned i = 0; i < count; ++i) {
            putPixel(indexAt(value, i));
        }
    }

    // Literal indices, stored in whole 16-bit words.
    bool putLiteralRun(unsigned count) {
        const size_t bytes = nibbles_ ? (count + 1) / 2 : count;
        if (!has(bytes)) {
            return false;
        }
        for (unsigned i = 0; i < count; ++i) {
            const uint8_t byte = stream_[position_ + (nibbles_ ? i / 2 : i)];
            putPixel(indexAt(byte, i));
        }
        position_ = std::min(stream_.size(), position_ + bytes + bytes % 2);
        return true;
    }

    std::span<const uint8_t> stream_;
    size_t position_ = 0;
    const ColourTable& colours_;
    std::span<uint8_t> pixels_;
    uint64_t width_;
    uint64_t height_;
    bool nibbles_;
    uint64_t x_ = 0;
    uint64_t y_ = 0;  // counted from the bottom row
};

}  // namespace

bool decodeRle(const BitmapLayout& layout, RgbImage& image) {
    return RleDecoder(layout, image).decode();
}
