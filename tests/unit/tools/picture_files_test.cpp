// The committed pictures under saver/resources are generated files: they must be exactly what
// the recipes draw today. After changing a recipe, rebuild them with the update_pictures target.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/unit/tools/picture_bmp_reading.h"
#include "tools/pictures/bmp_writer.h"
#include "tools/pictures/picture_catalogue.h"

TEST(picture_files, CommittedPicturesEqualAFreshDrawing) {
    ASSERT_FALSE(pictures::builtInPictures().empty());
    for (const pictures::PictureRecipe& recipe : pictures::builtInPictures()) {
        const std::string name(recipe.fileName);
        const std::vector<std::uint8_t> committed =
            picture_test::readFileBytes(picture_test::committedPicturePath(name.c_str()));
        const std::vector<std::uint8_t> fresh = pictures::encodeBmp(recipe.make());
        EXPECT_TRUE(committed == fresh) << "saver/resources/" << name
                                        << " is stale; rebuild it with the update_pictures target";
    }
}

TEST(picture_files, CommittedPicturesAre24BitBitmapsOfTheirSize) {
    struct Expected {
        const char* name;
        int width;
        int height;
    };
    for (const Expected& expected : {Expected{"puff.bmp", 32, 32}, Expected{"sky.bmp", 512, 512}}) {
        const auto picture = picture_test::parseBmp24(
            picture_test::readFileBytes(picture_test::committedPicturePath(expected.name)));
        ASSERT_TRUE(picture.has_value()) << expected.name;
        EXPECT_EQ(picture->width(), expected.width) << expected.name;
        EXPECT_EQ(picture->height(), expected.height) << expected.name;
    }
}
