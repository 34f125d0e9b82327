// What the decoder makes of well-formed files beyond the BMP Suite's: row packing and order,
// where the bits of a file without file header start, and run-length streams with gaps.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "tests/unit/bitmap/bitmap_test_writer.h"

namespace {

// Picture bytes from 0xRRGGBB colours, bottom row first.
std::vector<uint8_t> rgb(std::initializer_list<uint32_t> colours) {
    std::vector<uint8_t> out;
    for (uint32_t colour : colours) {
        out.insert(out.end(), {static_cast<uint8_t>(colour >> 16),
                               static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour)});
    }
    return out;
}

std::vector<uint8_t> decodePixels(const TestBitmap& bitmap) {
    const BitmapDecodeResult result = decodeBitmap(buildBitmap(bitmap));
    EXPECT_EQ(result.error, BitmapError::None);
    return result.image ? result.image->pixels : std::vector<uint8_t>{};
}

TEST(BitmapDecoder, TwentyFourBitRowsComeOutUnpaddedBottomRowFirst) {
    // 3 pixels make 9 bytes a row: 3 bytes of padding in the file, none in the picture.
    const std::vector<uint8_t> bottom = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0x90, 0x80, 0x70};
    const std::vector<uint8_t> top = {0xC0, 0xB0, 0xA0, 0xF0, 0xE0, 0xD0, 0x03, 0x02, 0x01};
    TestBitmap bitmap;
    bitmap.width = 3;
    bitmap.height = 2;
    bitmap.bits = paddedRows({bottom, top});
    const std::vector<uint8_t> expected =
        rgb({0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x010203});
    EXPECT_EQ(decodePixels(bitmap), expected);  // the top-left pixel starts the last row

    // Stored top row first, the same picture comes out the same way, with a positive height.
    bitmap.height = -2;
    bitmap.bits = paddedRows({top, bottom});
    const BitmapDecodeResult topDown = decodeBitmap(buildBitmap(bitmap));
    ASSERT_TRUE(topDown.image);
    EXPECT_EQ(topDown.image->height, 2);
    EXPECT_EQ(topDown.image->pixels, expected);
}

TEST(BitmapDecoder, WithoutFileHeaderTheBitsFollowTableAndMasks) {
    // All entries differ, so a table taken too long or too short shows in the pixel.
    std::vector<uint32_t> colours;
    for (uint32_t i = 0; i < 256; ++i) {
        colours.push_back(i << 16 | (255 - i) << 8);
    }
    TestBitmap eightBit;
    eightBit.fileHeader = false;
    eightBit.bitCount = 8;
    eightBit.colours = colours;
    eightBit.bits = {5, 0, 0, 0};
    EXPECT_EQ(decodePixels(eightBit), rgb({colours[5]}));  // colours used 0: all 256 entries
    eightBit.coloursUsed = 16;
    eightBit.colours.resize(16);
    EXPECT_EQ(decodePixels(eightBit), rgb({colours[5]}));

    TestBitmap core;
    core.fileHeader = false;
    core.headerSize = 12;
    core.bitCount = 1;
    core.colours = {0x112233, 0x445566};
    core.bits = {0x80, 0, 0, 0};
    EXPECT_EQ(decodePixels(core), rgb({0x445566}));  // 3-byte entries

    TestBitmap masked;
    masked.fileHeader = false;
    masked.width = 3;
    masked.bitCount = 16;
    masked.compression = 3;
    masked.masks = {0xF800, 0x07E0, 0x001F};
    masked.bits = {0x00, 0xF8, 0xE0, 0x07, 0x00, 0x04, 0, 0};
    EXPECT_EQ(decodePixels(masked), rgb({0xFF0000, 0x00FF00, 0x008200}));  // 6-bit 32 is 130
}

TEST(BitmapDecoder, IndicesPastTheColourTableAreBlack) {
    TestBitmap bitmap;
    bitmap.width = 4;
    bitmap.bitCount = 8;
    bitmap.coloursUsed = 2;
    bitmap.colours = {0xFF0000, 0x00FF00};
    bitmap.bits = {0, 1, 2, 255};
    EXPECT_EQ(decodePixels(bitmap), rgb({0xFF0000, 0x00FF00, 0, 0}));
}

TEST(BitmapDecoder, RleLeavesSkippedPixelsBlackAndClipsLongRuns) {
    TestBitmap bitmap;
    bitmap.width = 4;
    bitmap.height = 3;
    bitmap.bitCount = 8;
    bitmap.compression = 1;
    bitmap.coloursUsed = 3;
    bitmap.colours = {0x0000FF, 0x111111, 0x222222};  // index 0 is not black
    bitmap.bits = {
        3, 1,              // three of index 1
        0, 3, 2, 2, 1, 0,  // literal 2, 2, 1 (padded), clipped at the right edge
        0, 0,              // end of line
        0, 2, 1, 1,        // delta: one right, one up, skipping the middle row
        1, 2,              // one of index 2
        0, 1,              // end of bitmap: the rest stays black
    };
    EXPECT_EQ(decodePixels(bitmap), rgb({0x111111, 0x111111, 0x111111, 0x222222,  //
                                         0, 0, 0, 0,                              //
                                         0, 0x222222, 0, 0}));
}

}  // namespace
