// The control panel's preview: the cloudy sky along the top, the desktop as the ground along the
// bottom, and the jet in the middle.
#include <gtest/gtest.h>

#include <optional>

#include "tests/unit/tools/picture_committed.h"
#include "tests/unit/tools/picture_scene_rendering.h"
#include "tools/scene_pictures/preview_picture.h"

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr int kBand = 6;  // rows checked at the top and at the bottom

// Pale blue, lavender or pink: bright, with blue at least as strong as green.
bool isSky(pictures::Rgb c) {
    return picture_test::luminance(c) >= 150 && c.blue >= c.green;
}

// The desktop's teal-blue background.
bool isDesktopBackground(pictures::Rgb c) {
    return c.green > c.red + 60 && c.blue > c.red + 80 && picture_test::luminance(c) < 130;
}

int countInRows(const pictures::RgbPicture& picture, int top, int bottom,
                bool (*test)(pictures::Rgb)) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += test(picture.at(x, y));
        }
    }
    return count;
}

}  // namespace

TEST(picture_preview, SkyFillsTheTopRowsAndTheDesktopTheBottomRows) {
    const pictures::RgbPicture preview = picture_test::committedPicture("preview.bmp");
    ASSERT_EQ(preview.width(), kWidth);
    ASSERT_EQ(preview.height(), kHeight);
    const int band = kBand * kWidth;
    EXPECT_EQ(countInRows(preview, 0, kBand, isSky), band);
    // A few bright smoke puffs may come close to the camera there.
    EXPECT_LT(countInRows(preview, kHeight - kBand, kHeight, isSky), band / 50);
    EXPECT_GT(countInRows(preview, kHeight - kBand, kHeight, isDesktopBackground), band / 5);
}

TEST(picture_preview, JetFliesInTheMiddle) {
    TempFolder scratch;
    const scene_pictures::ScenePictureInputs inputs = picture_test::committedSceneInputs(scratch);
    const std::optional<pictures::RgbPicture> withJet =
        scene_pictures::renderPreviewPicture(inputs);
    picture_test::NoJetModel noJet;
    const std::optional<pictures::RgbPicture> withoutJet =
        scene_pictures::renderPreviewWithModel(noJet, inputs);
    ASSERT_TRUE(withJet.has_value());
    ASSERT_TRUE(withoutJet.has_value());

    const picture_test::Region jet = picture_test::differingRegion(*withJet, *withoutJet);
    ASSERT_FALSE(jet.empty()) << "no jet drawn";
    EXPECT_NEAR(jet.centreX(), kWidth / 2.0, kWidth / 6.0);
    EXPECT_NEAR(jet.centreY(), kHeight / 2.0, kHeight / 6.0);
    // Big enough to make out, small enough to leave the scene around it.
    EXPECT_GT(jet.right - jet.left, kWidth / 8);
    EXPECT_LT(jet.right - jet.left, kWidth / 2);
    EXPECT_GT(jet.pixels, kWidth * kHeight / 100);
}
