// The desktop snapshot: every column lands mirrored (column x holds column W - 1 - x), rows
// keep their order, nothing is scaled, and a snapshot that cannot be taken leaves black.
#include <gtest/gtest.h>

#include <windows.h>

#include "saver/desktop_snapshot.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/win32_handles.h"
#include "tests/e2e/saver_desktop_pattern.h"

namespace {

DWORD PixelAt(const PictureSurface& picture, int x, int y) {
    const COLORREF colour = GetPixel(picture.Dc(), x, y);
    return static_cast<DWORD>(GetRValue(colour)) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// A 24-bit memory picture of `width` x `height` painted with the desktop pattern.
struct PatternSource {
    PictureSurface picture;
    PatternSource(int width, int height) {
        picture.Resize(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const DWORD colour = e2e::desktopPatternColour(x, y);
                SetPixel(picture.Dc(), x, y,
                         RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF));
            }
        }
    }
};

TEST(SaverSnapshotWin32, EveryColumnIsMirroredAndRowsKeepTheirOrder) {
    // An odd width has a middle column that stays where it is.
    for (const int width : {1, 7, 300}) {
        PatternSource source(width, 5);
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(width, 5));
        ASSERT_TRUE(CopyMirrored(source.picture.Dc(), picture));
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(PixelAt(picture, x, y), e2e::desktopPatternColour(width - 1 - x, y))
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST(SaverSnapshotWin32, OnlyTheTopLeftOfALargerSourceIsTakenUnscaled) {
    PatternSource source(40, 30);
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(16, 10));
    ASSERT_TRUE(CopyMirrored(source.picture.Dc(), picture));
    EXPECT_EQ(PixelAt(picture, 0, 0), e2e::desktopPatternColour(15, 0));
    EXPECT_EQ(PixelAt(picture, 15, 9), e2e::desktopPatternColour(0, 9));
}

TEST(SaverSnapshotWin32, WithoutASourceThePictureStaysBlack) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(8, 8));
    EXPECT_FALSE(CopyMirrored(nullptr, picture));
    for (const std::uint8_t byte : picture.Rows()) {
        ASSERT_EQ(byte, 0);
    }
    PictureSurface empty;
    PatternSource source(8, 8);
    EXPECT_FALSE(CopyMirrored(source.picture.Dc(), empty));
}

TEST(SaverSnapshotWin32, TheDesktopIsTakenWholeAndMirrored) {
    const e2e::DesktopPattern desktop;
    ASSERT_TRUE(desktop.shown());
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(desktop.width(), desktop.height()));
    ASSERT_TRUE(TakeDesktopSnapshot(picture));

    const int last = desktop.width() - 1;
    for (const int y : {0, desktop.height() / 2, desktop.height() - 1}) {
        for (const int x : {0, 1, 255, 256, last / 2, last - 1, last}) {
            EXPECT_EQ(PixelAt(picture, x, y), e2e::desktopPatternColour(last - x, y))
                << x << "," << y;
        }
    }
}

}  // namespace
