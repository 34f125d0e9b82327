#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/unit/tools/picture_bmp_reading.h"
#include "tools/pictures/bmp_writer.h"

using picture_test::readU16;
using picture_test::readU32;

namespace {

// 3 x 2 pixels: 9 bytes of colour per row, padded to 12.
pictures::RgbPicture smallPicture() {
    pictures::RgbPicture picture(3, 2);
    picture.set(0, 0, {1, 2, 3});
    picture.set(1, 0, {4, 5, 6});
    picture.set(2, 0, {7, 8, 9});
    picture.set(0, 1, {10, 11, 12});
    picture.set(1, 1, {13, 14, 15});
    picture.set(2, 1, {16, 17, 18});
    return picture;
}

}  // namespace

TEST(picture_bmp, HeadersDescribeAnUncompressedBottomUp24BitPicture) {
    const std::vector<std::uint8_t> bytes = pictures::encodeBmp(smallPicture());
    ASSERT_EQ(bytes.size(), 14u + 40u + 2u * 12u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(readU32(bytes, 2), bytes.size());
    EXPECT_EQ(readU32(bytes, 6), 0u);  // both reserved words
    EXPECT_EQ(readU32(bytes, 10), 54u);
    EXPECT_EQ(readU32(bytes, 14), 40u);
    EXPECT_EQ(readU32(bytes, 18), 3u);
    EXPECT_EQ(readU32(bytes, 22), 2u);  // positive: bottom-up
    EXPECT_EQ(readU16(bytes, 26), 1u);
    EXPECT_EQ(readU16(bytes, 28), 24u);
    EXPECT_EQ(readU32(bytes, 30), 0u);  // BI_RGB
    EXPECT_EQ(readU32(bytes, 34), 24u);
    EXPECT_EQ(readU32(bytes, 46), 0u);  // no colour table
}

TEST(picture_bmp, RowsRunBottomUpInBlueGreenRedOrderWithZeroPadding) {
    const std::vector<std::uint8_t> bytes = pictures::encodeBmp(smallPicture());
    const std::vector<std::uint8_t> pixels(bytes.begin() + 54, bytes.end());
    const std::vector<std::uint8_t> expected = {
        12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,  // bottom row first
        3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0,
    };
    EXPECT_EQ(pixels, expected);
}

TEST(picture_bmp, WidthsThatFillWholeWordsNeedNoPadding) {
    const std::vector<std::uint8_t> bytes = pictures::encodeBmp(pictures::RgbPicture(4, 3));
    EXPECT_EQ(bytes.size(), 54u + 3u * 12u);
}

TEST(picture_bmp, WrittenFileReadsBackAsTheSamePicture) {
    const pictures::RgbPicture picture = smallPicture();
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "picture_bmp_round_trip.bmp";
    ASSERT_TRUE(pictures::writeBmpFile(path, picture));

    const auto read = picture_test::parseBmp24(picture_test::readFileBytes(path));
    std::filesystem::remove(path);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->width(), 3);
    ASSERT_EQ(read->height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(read->at(x, y), picture.at(x, y)) << x << "," << y;
        }
    }
}

TEST(picture_bmp, UnwritableFileIsReported) {
    EXPECT_FALSE(pictures::writeBmpFile("/nonexistent-folder/picture.bmp", smallPicture()));
}
