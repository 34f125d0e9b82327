#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tests/unit/tools/picture_ico_reading.h"
#include "tools/pictures/ico_writer.h"

using picture_test::readU16;
using picture_test::readU32;

namespace {

// 3 x 2 pixels: the top-left one fully transparent, the others opaque or half covered.
pictures::RgbaPicture smallIcon() {
    pictures::RgbaPicture icon(3, 2);
    icon.set(0, 0, {1, 2, 3, 0});
    icon.set(1, 0, {4, 5, 6, 255});
    icon.set(2, 0, {7, 8, 9, 128});
    icon.set(0, 1, {10, 11, 12, 255});
    icon.set(1, 1, {13, 14, 15, 255});
    icon.set(2, 1, {16, 17, 18, 0});
    return icon;
}

}  // namespace

TEST(picture_ico, DirectoryListsEachImageWithItsSizeAndPlace) {
    const std::vector<pictures::RgbaPicture> images = {smallIcon(), pictures::RgbaPicture(40, 33)};
    const std::vector<std::uint8_t> bytes = pictures::encodeIco(images);
    EXPECT_EQ(readU16(bytes, 0), 0u);
    EXPECT_EQ(readU16(bytes, 2), 1u);  // an icon, not a cursor
    EXPECT_EQ(readU16(bytes, 4), 2u);

    // 3 x 2: 40 header bytes, 24 colour bytes, two mask rows of 4 bytes.
    EXPECT_EQ(bytes[6], 3);
    EXPECT_EQ(bytes[7], 2);
    EXPECT_EQ(readU32(bytes, 6 + 8), 40u + 24u + 8u);
    EXPECT_EQ(readU32(bytes, 6 + 12), 6u + 2u * 16u);
    // 40 x 33: mask rows of 40 bits padded to 8 bytes.
    EXPECT_EQ(bytes[22], 40);
    EXPECT_EQ(bytes[23], 33);
    EXPECT_EQ(readU32(bytes, 22 + 8), 40u + 40u * 33u * 4u + 8u * 33u);
    EXPECT_EQ(readU32(bytes, 22 + 12), 38u + 72u);
    EXPECT_EQ(bytes.size(), 38u + 72u + readU32(bytes, 22 + 8));
}

TEST(picture_ico, ImageHeaderCountsColourAndMaskRowsTogether) {
    const std::vector<pictures::RgbaPicture> images = {smallIcon()};
    const std::vector<std::uint8_t> bytes = pictures::encodeIco(images);
    const std::size_t header = 6 + 16;
    EXPECT_EQ(readU32(bytes, header), 40u);
    EXPECT_EQ(readU32(bytes, header + 4), 3u);
    EXPECT_EQ(readU32(bytes, header + 8), 4u);  // twice the height
    EXPECT_EQ(readU16(bytes, header + 12), 1u);
    EXPECT_EQ(readU16(bytes, header + 14), 32u);
    EXPECT_EQ(readU32(bytes, header + 16), 0u);        // BI_RGB
    EXPECT_EQ(readU32(bytes, header + 20), 24u + 8u);  // colour and mask bytes
}

TEST(picture_ico, PixelsRunBottomUpAsBlueGreenRedAlphaThenTheMask) {
    const std::vector<pictures::RgbaPicture> images = {smallIcon()};
    const std::vector<std::uint8_t> bytes = pictures::encodeIco(images);
    const std::vector<std::uint8_t> data(bytes.begin() + 6 + 16 + 40, bytes.end());
    const std::vector<std::uint8_t> expected = {
        12,   11, 10, 255, 15, 14, 13, 255, 18, 17, 16, 0,  // the bottom row first
        3,    2,  1,  0,   6,  5,  4,  255, 9,  8,  7,  128,
        0x20, 0,  0,  0,  // bottom row: only its third pixel is transparent
        0x80, 0,  0,  0,  // top row: only its first pixel is; half cover stays visible
    };
    EXPECT_EQ(data, expected);
}

TEST(picture_ico, FullSizeImagesAreListedAsZero) {
    const std::vector<pictures::RgbaPicture> images = {pictures::RgbaPicture(256, 256)};
    const std::vector<std::uint8_t> bytes = pictures::encodeIco(images);
    EXPECT_EQ(bytes[6], 0);
    EXPECT_EQ(bytes[7], 0);
    const auto parsed = picture_test::parseIco(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ((*parsed)[0].colour.width(), 256);
}

TEST(picture_ico, WrittenFileReadsBackAsTheSameImage) {
    const std::vector<pictures::RgbaPicture> images = {smallIcon()};
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "picture_ico_round_trip.ico";
    ASSERT_TRUE(pictures::writeIcoFile(path, images));
    const auto read = picture_test::parseIco(picture_test::readFileBytes(path));
    std::filesystem::remove(path);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 1u);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ((*read)[0].colour.at(x, y), images[0].at(x, y)) << x << "," << y;
        }
    }
}

TEST(picture_ico, UnwritableFileIsReported) {
    const std::vector<pictures::RgbaPicture> images = {smallIcon()};
    EXPECT_FALSE(pictures::writeIcoFile("/nonexistent-folder/icon.ico", images));
}
