#pragma once
// What a bitmap file's headers say about its pixels: size, depth, compression, colour masks,
// colour table and where the pixel bits lie. Internal to the bitmap reader.
#include <array>
#include <cstdint>
#include <span>

#include "scene/bitmap/bitmap_decoder.h"

// biCompression values the reader understands.
inline constexpr uint32_t kCompressionRgb = 0;
inline constexpr uint32_t kCompressionRle8 = 1;
inline constexpr uint32_t kCompressionRle4 = 2;
inline constexpr uint32_t kCompressionBitfields = 3;

struct RgbColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Indices past the file's colour table stay black, as the platform shows them. Pixel depths
// with a table have at most 8 bits, so every possible index has an entry here.
using ColourTable = std::array<RgbColour, 256>;

struct BitmapLayout {
    int64_t width = 0;
    int64_t height = 0;    // always positive; see topDown
    bool topDown = false;  // first stored row is the top one
    uint16_t bitCount = 0;
    uint32_t compression = kCompressionRgb;
    std::array<uint32_t, 3> masks{};  // red, green, blue; 16 and 32 bits per pixel only
    ColourTable colours{};
    // From the first byte of the pixel bits to the end of the file; for RLE, to the end of
    // the stream when the header gives its size.
    std::span<const uint8_t> bits;
};

// Reads and checks the headers. Returns BitmapError::None and fills `layout` when the
// picture can be decoded; nothing outside `file` is read.
BitmapError readBitmapLayout(std::span<const uint8_t> file, BitmapLayout& layout);
