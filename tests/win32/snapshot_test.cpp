// The desktop snapshot's copy: every column lands mirrored (column x holds column W - 1 - x),
// rows keep their order, nothing is scaled, and a copy that cannot be made leaves black.
#include <gtest/gtest.h>

#include <windows.h>

#include "saver/run/desktop_snapshot.h"
#include "saver/runtime/picture_surface.h"

namespace {

COLORREF PatternColour(int x, int y) {
    return RGB(x & 0xFF, x >> 8, y * 40);
}

// A memory picture in which every column has its own colour and every row its own shade.
struct PatternSource {
    PictureSurface picture;
    PatternSource(int width, int height) {
        picture.Resize(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                SetPixel(picture.Dc(), x, y, PatternColour(x, y));
            }
        }
    }
};

TEST(SnapshotWin32, EveryColumnIsMirroredAndRowsKeepTheirOrder) {
    // An odd width has a middle column that stays where it is.
    for (const int width : {1, 7, 300}) {
        const PatternSource source(width, 5);
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(width, 5));
        ASSERT_TRUE(CopyMirrored(source.picture.Dc(), picture));
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(GetPixel(picture.Dc(), x, y), PatternColour(width - 1 - x, y))
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST(SnapshotWin32, OnlyTheTopLeftOfALargerSourceIsTakenUnscaled) {
    const PatternSource source(40, 30);
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(16, 10));
    ASSERT_TRUE(CopyMirrored(source.picture.Dc(), picture));
    EXPECT_EQ(GetPixel(picture.Dc(), 0, 0), PatternColour(15, 0));
    EXPECT_EQ(GetPixel(picture.Dc(), 15, 9), PatternColour(0, 9));
}

TEST(SnapshotWin32, WithoutASourceThePictureStaysBlack) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(8, 8));
    EXPECT_FALSE(CopyMirrored(nullptr, picture));
    for (const std::uint8_t byte : picture.Rows()) {
        ASSERT_EQ(byte, 0);
    }
    PictureSurface empty;
    EXPECT_FALSE(CopyMirrored(PatternSource(8, 8).picture.Dc(), empty));
}

}  // namespace
