// The desktop snapshot's copy: every column lands mirrored (column x holds column W - 1 - x),
// rows keep their order, only the picture's size is taken from a larger source, unscaled, and
// a copy that cannot be made says so.
#include <gtest/gtest.h>

#include <windows.h>

#include "saver/run/desktop_snapshot.h"
#include "saver/runtime/picture_surface.h"

namespace {

TEST(SnapshotWin32, ColumnsAreMirroredRowsKeptAndNothingScaled) {
    // Every column has its own colour and every row its own shade.
    const auto patternColour = [](int x, int y) { return RGB(x & 0xFF, x >> 8, y * 40); };
    // An odd width has a middle column that stays where it is; a larger source gives its
    // top-left corner.
    for (const auto& [width, sourceWidth] : {std::pair{1, 1}, {7, 7}, {300, 300}, {16, 40}}) {
        PictureSurface source;
        ASSERT_TRUE(source.Resize(sourceWidth, 6));
        for (int i = 0; i < sourceWidth * 6; ++i) {
            const int x = i % sourceWidth, y = i / sourceWidth;
            SetPixel(source.Dc(), x, y, patternColour(x, y));
        }
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(width, 5));
        ASSERT_TRUE(CopyMirrored(source.Dc(), picture));
        for (int i = 0; i < width * 5; ++i) {
            const int x = i % width, y = i / width;
            ASSERT_EQ(GetPixel(picture.Dc(), x, y), patternColour(width - 1 - x, y))
                << "width " << width << " at " << x << "," << y;
        }
    }
}

TEST(SnapshotWin32, ACopyWithoutASourceOrIntoNoPictureFails) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(8, 8));
    EXPECT_FALSE(CopyMirrored(nullptr, picture));
    PictureSurface empty;
    EXPECT_FALSE(CopyMirrored(picture.Dc(), empty));
}

}  // namespace
