// The window icon: a white jet on a sky-blue rounded square, at 16 and 32 pixels, with soft
// edges on a transparent ground.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/unit/tools/picture_ico_reading.h"
#include "tools/pictures/ico_writer.h"
#include "tools/pictures/icon_catalogue.h"

namespace {

std::vector<picture_test::IconImage> committedIcon() {
    const std::optional<std::vector<picture_test::IconImage>> images = picture_test::parseIco(
        picture_test::readFileBytes(picture_test::committedPicturePath("soravane.ico")));
    if (!images) {
        ADD_FAILURE() << "saver/resources/soravane.ico is missing or not a 32-bit icon";
        return {};
    }
    return *images;
}

}  // namespace

TEST(picture_icon, CommittedIconsEqualAFreshDrawing) {
    ASSERT_FALSE(pictures::builtInIcons().empty());
    for (const pictures::IconRecipe& recipe : pictures::builtInIcons()) {
        const std::string name(recipe.fileName);
        const std::vector<std::uint8_t> committed =
            picture_test::readFileBytes(picture_test::committedPicturePath(name.c_str()));
        EXPECT_TRUE(committed == pictures::encodeIco(recipe.make()))
            << "saver/resources/" << name
            << " is stale; rebuild it with the update_pictures target";
    }
}

TEST(picture_icon, HoldsSixteenAndThirtyTwoPixelImages) {
    const std::vector<picture_test::IconImage> images = committedIcon();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].colour.width(), 16);
    EXPECT_EQ(images[0].colour.height(), 16);
    EXPECT_EQ(images[1].colour.width(), 32);
    EXPECT_EQ(images[1].colour.height(), 32);
}

TEST(picture_icon, CornersAreTransparentTheMiddleOpaqueAndTheMaskAgrees) {
    for (const picture_test::IconImage& image : committedIcon()) {
        const int last = image.colour.width() - 1;
        for (const auto& [x, y] :
             {std::pair{0, 0}, std::pair{last, 0}, std::pair{0, last}, std::pair{last, last}}) {
            EXPECT_EQ(image.colour.at(x, y).alpha, 0) << x << "," << y;
        }
        int softEdges = 0;
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x <= last; ++x) {
                const std::uint8_t alpha = image.colour.at(x, y).alpha;
                EXPECT_EQ(image.transparentInMask[y][x], alpha == 0) << x << "," << y;
                softEdges += alpha > 0 && alpha < 255;
            }
        }
        EXPECT_EQ(image.colour.at(last / 2, last / 2).alpha, 255);
        EXPECT_GE(softEdges, 8) << "the rounded corners are not antialiased";
    }
}

TEST(picture_icon, ShowsAWhiteJetOnSkyBlue) {
    for (const picture_test::IconImage& image : committedIcon()) {
        int opaque = 0;
        int white = 0;
        int blue = 0;
        for (int y = 0; y < image.colour.height(); ++y) {
            for (int x = 0; x < image.colour.width(); ++x) {
                const pictures::Rgba c = image.colour.at(x, y);
                if (c.alpha != 255) {
                    continue;
                }
                ++opaque;
                white += c.red > 235 && c.green > 235 && c.blue > 235;
                blue += c.blue > c.red + 60 && c.blue > 150;
            }
        }
        const int size = image.colour.width();
        EXPECT_GT(opaque, size * size * 8 / 10) << size;
        EXPECT_GT(white, opaque / 10) << size;
        EXPECT_LT(white, opaque * 4 / 10) << size;
        EXPECT_GT(blue, opaque / 2) << size;
    }
}
