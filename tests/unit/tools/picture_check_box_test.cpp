// The check boxes sit beside the captions on the light metal panel: a grey-blue frame round a
// white face, and the checked one holds a blue square in its middle.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/tools/picture_committed.h"

namespace {

constexpr int kSize = 12;

bool isFrame(pictures::Rgb c) {
    return c.blue > c.red + 30 && picture_test::luminance(c) > 100 &&
           picture_test::luminance(c) < 180;
}

bool isEdge(int x, int y) {
    return x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
}

bool isCorner(int x, int y) {
    return (x == 0 || x == kSize - 1) && (y == 0 || y == kSize - 1);
}

}  // namespace

TEST(picture_check_box, FrameIsGreyBlueAllRoundWithSoftenedCorners) {
    for (const char* name : {"box_empty.bmp", "box_checked.bmp"}) {
        const pictures::RgbPicture box = picture_test::committedPicture(name);
        ASSERT_EQ(box.width(), kSize) << name;
        ASSERT_EQ(box.height(), kSize) << name;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (isEdge(x, y) && !isCorner(x, y)) {
                    EXPECT_TRUE(isFrame(box.at(x, y))) << name << " " << x << "," << y;
                }
            }
        }
        EXPECT_GT(picture_test::luminance(box.at(0, 0)), picture_test::luminance(box.at(0, 5)))
            << name;
    }
}

TEST(picture_check_box, EmptyFaceIsWhiteAndSunkenAlongItsTopAndLeft) {
    const pictures::RgbPicture box = picture_test::committedPicture("box_empty.bmp");
    ASSERT_EQ(box.width(), kSize);
    for (int y = 4; y < kSize - 1; ++y) {
        for (int x = 4; x < kSize - 1; ++x) {
            EXPECT_EQ(box.at(x, y), (pictures::Rgb{255, 255, 255})) << x << "," << y;
        }
    }
    // The shade fades in steps from the frame's inner top-left corner.
    EXPECT_LT(picture_test::luminance(box.at(1, 1)), picture_test::luminance(box.at(2, 2)));
    EXPECT_LT(picture_test::luminance(box.at(1, 6)), picture_test::luminance(box.at(6, 6)));
    EXPECT_GT(picture_test::luminance(box.at(1, 1)), 200);
}

TEST(picture_check_box, CheckedBoxDiffersOnlyByABlueSquareInTheMiddle) {
    const pictures::RgbPicture empty = picture_test::committedPicture("box_empty.bmp");
    const pictures::RgbPicture checked = picture_test::committedPicture("box_checked.bmp");
    ASSERT_EQ(checked.width(), kSize);
    ASSERT_EQ(empty.width(), kSize);
    int left = kSize;
    int right = -1;
    int top = kSize;
    int bottom = -1;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!(checked.at(x, y) == empty.at(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    // Centred, with a two-pixel margin of white face inside the frame.
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, kSize - 4);
    EXPECT_EQ(top, 3);
    EXPECT_EQ(bottom, kSize - 4);
    for (int y = 5; y <= 6; ++y) {
        for (int x = 5; x <= 6; ++x) {
            const pictures::Rgb c = checked.at(x, y);
            EXPECT_GT(c.blue, 150) << x << "," << y;
            EXPECT_GT(c.blue, c.red + 90) << x << "," << y;
        }
    }
}
