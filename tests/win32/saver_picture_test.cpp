// Picture surfaces and saving them as BMP files: the header the scene program's reader and
// other programs expect, rows padded to four bytes, and the pixels as drawn.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "saver/runtime/picture_saving.h"
#include "saver/runtime/picture_surface.h"
#include "scene/bitmap/bitmap_decoder.h"
#include "tests/support/temp_folder.h"

namespace {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename Field>
Field At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    Field value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

COLORREF PatternColour(int x, int y) {
    return RGB(x * 40 + 3, y * 50 + 5, (x + y) * 10 + 7);
}

TEST(SaverPictureWin32, ANewSurfaceIsBlackAndReportsItsSize) {
    PictureSurface picture;
    EXPECT_TRUE(picture.IsEmpty());
    ASSERT_TRUE(picture.Resize(5, 3));
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(picture.Stride(), 16);
    for (const std::uint8_t byte : picture.Rows()) {
        EXPECT_EQ(byte, 0);
    }
    EXPECT_FALSE(picture.Resize(0, 3));
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(SaverPictureWin32, SavedFileHasAnInfoHeaderAndUncompressed24BitRows) {
    TempFolder temp;
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(5, 3));  // 15 bytes of pixels per row, padded to 16
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            SetPixel(picture.Dc(), x, y, PatternColour(x, y));
        }
    }
    const std::string path = temp.file("Skymere1.bmp");
    ASSERT_TRUE(SavePicture(picture, path));

    const std::vector<std::uint8_t> file = ReadBytes(path);
    ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(At<std::uint32_t>(file, 2), file.size());
    EXPECT_EQ(At<std::uint32_t>(file, 10), 54u);
    EXPECT_EQ(At<std::uint32_t>(file, 14), 40u);
    EXPECT_EQ(At<std::int32_t>(file, 18), 5);
    EXPECT_EQ(At<std::int32_t>(file, 22), 3);  // positive: bottom row first
    EXPECT_EQ(At<std::uint16_t>(file, 26), 1);
    EXPECT_EQ(At<std::uint16_t>(file, 28), 24);
    EXPECT_EQ(At<std::uint32_t>(file, 30), 0u);  // BI_RGB
    EXPECT_EQ(At<std::uint32_t>(file, 34), 48u);

    // The first stored row is the picture's bottom row, blue first.
    EXPECT_EQ(file[54], GetBValue(PatternColour(0, 2)));
    EXPECT_EQ(file[55], GetGValue(PatternColour(0, 2)));
    EXPECT_EQ(file[56], GetRValue(PatternColour(0, 2)));
    EXPECT_EQ(file[69], 0);  // padding

    // The scene program's reader sees the same pixels.
    const BitmapDecodeResult decoded = decodeBitmap(file);
    ASSERT_EQ(decoded.error, BitmapError::None);
    ASSERT_EQ(decoded.image->width, 5);
    ASSERT_EQ(decoded.image->height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::size_t at = (static_cast<std::size_t>(2 - y) * 5 + x) * 3;
            const COLORREF expected = PatternColour(x, y);
            EXPECT_EQ(decoded.image->pixels[at], GetRValue(expected)) << x << "," << y;
            EXPECT_EQ(decoded.image->pixels[at + 1], GetGValue(expected)) << x << "," << y;
            EXPECT_EQ(decoded.image->pixels[at + 2], GetBValue(expected)) << x << "," << y;
        }
    }
}

TEST(SaverPictureWin32, SavingOverAReadOnlyFileKeepsItAndLeavesNothingBehind) {
    TempFolder temp;
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(4, 4));
    const std::string path = temp.file("Skymere1.bmp");
    {
        std::ofstream old(path, std::ios::binary);
        old << "the older snapshot";
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_FALSE(SavePicture(picture, path));
    const std::vector<std::uint8_t> kept = ReadBytes(path);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "the older snapshot");
    EXPECT_EQ(GetFileAttributesA((path + ".partial").c_str()), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_TRUE(SavePicture(picture, path));  // writable again: replaced
    EXPECT_EQ(ReadBytes(path).size(), 14u + 40u + 12u * 4u);
}

TEST(SaverPictureWin32, NothingIsSavedFromAnEmptySurfaceOrIntoAMissingFolder) {
    TempFolder temp;
    PictureSurface empty;
    EXPECT_FALSE(SavePicture(empty, temp.file("empty.bmp")));
    EXPECT_EQ(GetFileAttributesA(temp.file("empty.bmp").c_str()), INVALID_FILE_ATTRIBUTES);

    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(2, 2));
    EXPECT_FALSE(SavePicture(picture, temp.file("missing\\Skymere1.bmp")));
}

}  // namespace
