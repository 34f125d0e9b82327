#include "scene/bitmap/bitmap_decoder.h"

#include <new>

#include "scene/bitmap/bitmap_layout.h"
#include "scene/bitmap/bitmap_rle.h"
#include "scene/bitmap/bitmap_rows.h"

namespace {

BitmapDecodeResult failure(BitmapError error) {
    return {nullptr, error};
}

bool isRle(const BitmapLayout& layout) {
    return layout.compression == kCompressionRle8 || layout.compression == kCompressionRle4;
}

// Whether the picture may be made: not too large, and its rows all there when stored plainly.
BitmapError checkLayout(const BitmapLayout& layout) {
    if (!bitmapSizeIsShowable(layout.width, layout.height)) {
        return BitmapError::OutOfMemory;
    }
    const uint64_t storedBytes =
        storedRowBytes(layout.width, layout.bitCount) * static_cast<uint64_t>(layout.height);
    if (!isRle(layout) && storedBytes > layout.bits.size()) {
        return BitmapError::ConversionError;
    }
    return BitmapError::None;
}

BitmapDecodeResult decodeLayout(const BitmapLayout& layout) {
    if (const BitmapError error = checkLayout(layout); error != BitmapError::None) {
        return failure(error);
    }
    const uint64_t pictureBytes =
        static_cast<uint64_t>(layout.width) * static_cast<uint64_t>(layout.height) * 3;
    auto image = std::make_unique<RgbImage>();
    image->width = static_cast<int32_t>(layout.width);
    image->height = static_cast<int32_t>(layout.height);
    image->pixels.resize(static_cast<size_t>(pictureBytes));  // black until drawn
    if (isRle(layout)) {
        if (!decodeRle(layout, *image)) {
            return failure(BitmapError::ConversionError);
        }
    } else {
        unpackRows(layout, *image);
    }
    return {std::move(image), BitmapError::None};
}

}  // namespace

bool bitmapSizeIsShowable(int64_t width, int64_t height) {
    // Each side is checked first, so the product cannot overflow.
    return width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           width * height <= kMaxBitmapPixels;
}

BitmapDecodeResult decodeBitmap(std::span<const uint8_t> file) {
    try {
        BitmapLayout layout;
        const BitmapError error = readBitmapLayout(file, layout);
        if (error != BitmapError::None) {
            return failure(error);
        }
        return decodeLayout(layout);
    } catch (const std::bad_alloc&) {
        return failure(BitmapError::OutOfMemory);
    }
}

BitmapDecodeResult decodeBitmapInPlace(std::vector<uint8_t>&& file) {
    try {
        BitmapLayout layout;
        if (const BitmapError error = readBitmapLayout(file, layout); error != BitmapError::None) {
            return failure(error);
        }
        if (!isPlain24Bit(layout)) {
            return decodeLayout(layout);
        }
        if (const BitmapError error = checkLayout(layout); error != BitmapError::None) {
            return failure(error);
        }
        auto image = std::make_unique<RgbImage>();
        image->width = static_cast<int32_t>(layout.width);
        image->height = static_cast<int32_t>(layout.height);
        unpackRowsInPlace(layout, file);
        image->pixels = std::move(file);
        return {std::move(image), BitmapError::None};
    } catch (const std::bad_alloc&) {
        return failure(BitmapError::OutOfMemory);
    }
}

std::optional<RgbRows> storedRgbRows(std::span<const uint8_t> file) {
    BitmapLayout layout;
    if (readBitmapLayout(file, layout) != BitmapError::None || !isPlain24Bit(layout) ||
        checkLayout(layout) != BitmapError::None) {
        return std::nullopt;
    }
    return RgbRows{layout.bits.data(), static_cast<size_t>(storedRowBytes(layout.width, 24)),
                   static_cast<int32_t>(layout.width), static_cast<int32_t>(layout.height), true};
}

const char* bitmapErrorMessage(BitmapError error) {
    switch (error) {
        case BitmapError::None:
            return "";
        case BitmapError::UnknownFormat:
            return "Unknown DIB file format.";
        case BitmapError::OutOfMemory:
            return "Out of memory.";
        case BitmapError::ConversionError:
            return "Image file conversion error.";
    }
    return "";
}
