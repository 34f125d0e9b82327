// The scene program's own bitmap decoder must take the pictures exactly as drawn.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "tests/unit/tools/picture_bmp_reading.h"
#include "tools/pictures/picture_catalogue.h"

TEST(picture_files, SceneDecoderReadsEveryCommittedPictureUnchanged) {
    for (const pictures::PictureRecipe& recipe : pictures::builtInPictures()) {
        const std::string name(recipe.fileName);
        const std::vector<std::uint8_t> bytes =
            picture_test::readFileBytes(picture_test::committedPicturePath(name.c_str()));
        const BitmapDecodeResult decoded = decodeBitmap(bytes);
        ASSERT_EQ(decoded.error, BitmapError::None) << name;
        const auto drawn = picture_test::parseBmp24(bytes);
        ASSERT_TRUE(drawn.has_value()) << name;
        ASSERT_EQ(decoded.image->width, drawn->width()) << name;
        ASSERT_EQ(decoded.image->height, drawn->height()) << name;

        // The decoder delivers the bottom row first, tightly packed.
        const int width = drawn->width();
        const int height = drawn->height();
        int mismatches = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
                const pictures::Rgb expected = drawn->at(x, y);
                mismatches += decoded.image->pixels[at] != expected.red ||
                              decoded.image->pixels[at + 1] != expected.green ||
                              decoded.image->pixels[at + 2] != expected.blue;
            }
        }
        EXPECT_EQ(mismatches, 0) << name;
    }
}
