// The settings dialog's and the preview's pictures are committed at the sizes the forms lay
// them out at.
#include <gtest/gtest.h>

#include "tests/unit/tools/picture_committed.h"

TEST(picture_interface_files, CommittedPicturesAre24BitBitmapsOfTheirSize) {
    struct Expected {
        const char* name;
        int width;
        int height;
    };
    for (const Expected& expected :
         {Expected{"preview_back.bmp", 152, 112}, Expected{"preview.bmp", 152, 112},
          Expected{"jet_photo.bmp", 270, 202}, Expected{"metal_strip.bmp", 556, 20},
          Expected{"box_empty.bmp", 12, 12}, Expected{"box_checked.bmp", 12, 12}}) {
        const pictures::RgbPicture picture = picture_test::committedPicture(expected.name);
        EXPECT_EQ(picture.width(), expected.width) << expected.name;
        EXPECT_EQ(picture.height(), expected.height) << expected.name;
    }
}
