// Files beyond the BMP Suite's: bitmaps without a file header, colour tables, run-length
// streams with gaps, and spoilt or cut headers, each with the picture or the error it gets;
// and reading files from disk, with the message each failure to read one shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/bitmap/bitmap_file.h"
#include "tests/support/temp_folder.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"

namespace {

// Bitmap files built field by field, so that each case states the bytes it feeds the reader.
// The setters return the bitmap: Bmp(2, 1, 4, bits, colours).bare().used(16).
struct Bmp {
    Bmp(uint32_t w, uint32_t h, uint32_t depth, std::vector<uint8_t> b,
        std::vector<uint32_t> table = {})
        : width(w), height(h), bitCount(depth), colours(std::move(table)), bits(std::move(b)) {}

    Bmp& bare() { return fileHeader = false, *this; }  // no 14-byte "BM" header
    Bmp& rle(uint32_t kind, uint32_t n = 0) { return compression = kind, imageSize = n, *this; }
    Bmp& bitfields(std::vector<uint32_t> m = {}) { return compression = 3, masks = m, *this; }
    Bmp& used(uint32_t count) { return coloursUsed = count, *this; }
    Bmp& cut(size_t size) { return length = size, *this; }  // the file's first bytes

    bool fileHeader = true;
    uint32_t width, height, bitCount;
    uint32_t compression = 0, imageSize = 0, coloursUsed = 0;
    std::vector<uint32_t> masks;    // right after the header's first 40 bytes
    std::vector<uint32_t> colours;  // 0xRRGGBB
    std::vector<uint8_t> bits;
    size_t length = SIZE_MAX;
};

std::vector<uint8_t> buildBitmap(const Bmp& b) {
    // A file header ("BM", the file's size, 0, the offset of the bits), an info header (its size,
    // width, height, one plane and the bit count, compression, image size, 2835 pixels a metre
    // both ways, colours used and important), masks and colours, and the bits.
    const auto offset = static_cast<uint32_t>(54 + 4 * (b.masks.size() + b.colours.size()));
    const uint32_t size = offset + static_cast<uint32_t>(b.bits.size());
    const std::vector<uint32_t> words[] = {
        {size, 0, offset, 40, b.width, b.height, 1 | b.bitCount << 16, b.compression},
        {b.imageSize, 2835, 2835, b.coloursUsed, 0},
        b.masks,
        b.colours};
    std::vector<uint8_t> file = {'B', 'M'};
    for (const uint32_t word : words | std::views::join) {
        for (int shift = 0; shift < 32; shift += 8) {
            file.push_back(static_cast<uint8_t>(word >> shift));
        }
    }
    file.insert(file.end(), b.bits.begin(), b.bits.end());
    file.erase(file.begin(), file.begin() + (b.fileHeader ? 0 : 14));
    // A fresh vector of exactly the bytes kept, so that AddressSanitizer sees any read past them.
    return {file.begin(), file.begin() + static_cast<ptrdiff_t>(std::min(file.size(), b.length))};
}

using enum BitmapError;
using Bytes = std::vector<uint8_t>;

struct Case {
    const char* name;
    BitmapError error;
    Bmp bitmap;
    std::vector<uint32_t> pixels = {};  // 0xRRGGBB, bottom row first, when the file decodes
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// 16 colours that all differ, so that a table read too long or too short shows.
const std::vector<uint32_t> C = {0x00FF40, 0x01FE40, 0x02FD40, 0x03FC40, 0x04FB40, 0x05FA40,
                                 0x06F940, 0x07F840, 0x08F740, 0x09F640, 0x0AF540, 0x0BF440,
                                 0x0CF340, 0x0DF240, 0x0EF140, 0x0FF040};
const Bytes kZeros(4);
const uint32_t W = 0xFFFFFF, G = 0x222222;

// A 4-wide run-length picture, by default of 2 rows and one white colour.
Bmp rle8(Bytes stream, uint32_t height = 2, std::vector<uint32_t> colours = {W}) {
    const auto used = static_cast<uint32_t>(colours.size());
    return Bmp(4, height, 8, std::move(stream), std::move(colours)).used(used).rle(1);
}

const Case kCases[] = {
    // Without a file header the bits follow the header, its masks and its colour table.
    {"8 bits 16 colours", None, Bmp(1, 1, 8, {5, 0, 0, 0}, C).used(16).bare(), {C[5]}},
    {"16-bit 5-6-5 masks",
     None,
     Bmp(3, 1, 16, {0, 0xF8, 0xE0, 7, 0, 4, 0, 0}).bitfields({0xF800, 0x7E0, 0x1F}).bare(),
     {0xFF0000, 0x00FF00, 0x008200}},  // 6-bit 32 rounds to 130
    // Colour tables.
    {"4 bits use 16 colours", None, Bmp(2, 1, 4, {0xF3, 0, 0, 0}, C), {C[15], C[3]}},
    {"past the table", None, Bmp(4, 1, 8, {0, 1, 2, 255}, {W, 0xFF00}).used(2), {W, 0xFF00, 0, 0}},
    {"8 bits with 10 colours", ConversionError, Bmp(1, 1, 8, kZeros, std::vector<uint32_t>(10))},
    // Run-length streams: skipped and unreached pixels stay black, long runs are clipped.
    {"RLE8 gaps",
     None,
     rle8({3, 1, 0, 3, 2, 2, 1, 0, 0, 0, 0, 2, 1, 1, 1, 2, 0, 1}, 3, {0xFF, W, G}),
     {W, W, W, G, 0, 0, 0, 0, 0, G, 0, 0}},
    {"RLE8 clipped, end code", None, rle8({4, 0, 0, 0, 5, 0, 0, 1}), {W, W, W, W, W, W, W, W}},
    {"RLE8 ended with the top row", None, rle8({4, 0, 0, 0, 4, 0, 0, 0}), {W, W, W, W, W, W, W, W}},
    {"RLE8 stopping in the bottom row", ConversionError, rle8({4, 0})},
    {"RLE8 literal past the end", ConversionError, rle8({4, 0, 0, 0, 0, 5, 0, 0})},
    {"RLE8 delta cut off", ConversionError, rle8({0, 2, 1})},
    {"RLE8 stream shorter than the file", ConversionError,
     rle8({4, 0, 0, 0, 4, 0, 0, 1}).rle(1, 4)},
    // Spoilt headers (beyond the suite's bad files).
    {"width 0", ConversionError, Bmp(0, 1, 24, kZeros)},
    {"24-bit bit fields", ConversionError, Bmp(1, 1, 24, kZeros).bitfields({255, 255, 255})},
    {"masks cut off", ConversionError, Bmp(1, 1, 16, {}).bitfields().bare()},
    // Files too short for their headers.
    {"3 bytes", UnknownFormat, Bmp(1, 1, 24, kZeros).bare().cut(3)},
    {"info header cut", ConversionError, Bmp(1, 1, 24, kZeros).cut(14 + 16)},
};

class BitmapDecoder : public testing::TestWithParam<Case> {};

TEST_P(BitmapDecoder, GivesThePictureOrTheError) {
    const Case& c = GetParam();
    const BitmapDecodeResult result = decodeBitmap(buildBitmap(c.bitmap));
    ASSERT_EQ(result.error, c.error) << bitmapErrorMessage(result.error);
    std::vector<uint32_t> pixels;
    for (size_t i = 0; result.image && i < result.image->pixels.size(); i += 3) {
        const uint8_t* p = &result.image->pixels[i];
        pixels.push_back(uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
    }
    EXPECT_EQ(pixels, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Files, BitmapDecoder, testing::ValuesIn(kCases));

TEST(BitmapDecoder, ShowsNoPictureLargerThanAnyTexture) {
    const auto shown = bitmapSizeIsShowable;
    EXPECT_EQ((std::vector{shown(16384, 4096), shown(4096, 16384), shown(16385, 1), shown(1, 16385),
                           shown(8193, 8192)}),
              (std::vector{true, true, false, false, false}));
}

TEST(BitmapDecoder, GivesTheStoredRowsOfPlain24BitPicturesOnly) {
    // Two rows of 5 pixels, 15 bytes each padded to 16, bottom row first.
    const Bytes bits(32, 7);
    const Bytes file = buildBitmap(Bmp(5, 2, 24, bits));
    const std::optional<RgbRows> rows = storedRgbRows(file);
    ASSERT_TRUE(rows);
    EXPECT_EQ(std::tuple(rows->bottom - file.data(), rows->stride, rows->width, rows->height,
                         rows->blueFirst),
              std::tuple(ptrdiff_t{54}, size_t{16}, 5, 2, true));
    Bmp topDown(5, 0u - 2u, 24, bits);
    for (const Bmp& other : {Bmp(5, 2, 24, bits).cut(54 + 31), topDown, Bmp(4, 2, 32, bits),
                             Bmp(20000, 1, 24, Bytes(60000))}) {
        EXPECT_FALSE(storedRgbRows(buildBitmap(other)));
    }
}

TEST(BitmapFile, ReadsTheWholeFile) {
    TempFolder folder;
    Bmp big(200, 120, 24, std::vector<uint8_t>(200 * 3 * 120, 0x11));  // 72,000 bytes
    big.bits.back() = 0x99;                                            // the top right pixel's red
    const std::unique_ptr<RgbImage> image =
        readBitmapFile(folder.write("big.bmp", buildBitmap(big)).c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[image->pixels.size() - 3], 0x99);
}

TEST(BitmapFile, UnreadableFilesShowTheOpenFailureWithTheirWholePath) {
    TempFolder folder;
    for (const std::string& path : {folder.write("empty.bmp", {}), folder.file("missing.bmp")}) {
        RecordingErrorBox errors;
        EXPECT_EQ(readBitmapFile(path.c_str()), nullptr);
        EXPECT_EQ(errors.shown, "[Error: Failed to open DIB file " + path + ".\n]");
    }
}

}  // namespace
