// The desktop snapshot's copy: every column lands mirrored (column x holds column W - 1 - x),
// rows keep their order, only the picture's size is taken from a larger source, unscaled, and
// a copy that cannot be made says so.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "saver/run/desktop_snapshot.h"
#include "saver/runtime/picture_surface.h"

namespace {

TEST(SnapshotWin32, ColumnsAreMirroredRowsKeptAndNothingScaled) {
    // Every column has its own colour and every row its own shade, in the surfaces' bytes
    // (blue, green, red; bottom row first).
    const auto pattern = [](int x, int y) {
        return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(y * 7),
                                           static_cast<std::uint8_t>(x >> 8),
                                           static_cast<std::uint8_t>(x)};
    };
    // An odd width has a middle column that stays where it is; a larger source gives its
    // top-left corner; 2,048 x 300 is copied in several bands.
    for (const auto& [width, height, sourceWidth, sourceHeight] : {std::array{1, 5, 1, 6},
                                                                   {7, 5, 7, 6},
                                                                   {300, 5, 300, 6},
                                                                   {16, 5, 40, 6},
                                                                   {2048, 300, 2048, 300}}) {
        PictureSurface source;
        ASSERT_TRUE(source.Resize(sourceWidth, sourceHeight));
        const auto pixel = [](auto& surface, int x, int y) {
            return &surface.Rows()[static_cast<std::size_t>(y * surface.Stride() + x * 3)];
        };
        for (int i = 0; i < sourceWidth * sourceHeight; ++i) {
            std::ranges::copy(pattern(i % sourceWidth, i / sourceWidth),
                              pixel(source, i % sourceWidth, i / sourceWidth));
        }
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(width, height));
        ASSERT_TRUE(CopyMirrored(source.Dc(), picture));
        // Counted from the bottom, picture row y is source row y + offset.
        const int offset = sourceHeight - height;
        for (int i = 0; i < width * height; ++i) {
            const int x = i % width, y = i / width;
            const auto expected = pattern(width - 1 - x, y + offset);
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), pixel(picture, x, y)))
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
