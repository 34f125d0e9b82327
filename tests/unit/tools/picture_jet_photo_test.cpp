// The settings dialog's photograph: the jet large in the middle of a sky, clear of the edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/unit/tools/picture_committed.h"
#include "tests/unit/tools/picture_scene_rendering.h"
#include "tools/scene_pictures/jet_photo.h"

namespace {

constexpr int kWidth = 270;
constexpr int kHeight = 202;

// Blue sky, or its pale clouds and haze: never dark, blue at least about as strong as green.
bool isSky(pictures::Rgb c) {
    return picture_test::luminance(c) >= 120 && c.blue + 5 >= c.green;
}

double meanBlueOverRed(const pictures::RgbPicture& photo, int top, int bottom) {
    long sum = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            sum += photo.at(x, y).blue - photo.at(x, y).red;
        }
    }
    return static_cast<double>(sum) / ((bottom - top) * photo.width());
}

// The photograph rendered afresh, and its sky alone: whatever differs is the jet. Rendered once
// for the tests that compare them.
class JetPhotoRendering : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TempFolder scratch;
        withJet = scene_pictures::renderJetPhoto(picture_test::committedSceneInputs(scratch));
        picture_test::NoJetModel noJet;
        skyAlone = scene_pictures::renderJetPhotoWithModel(noJet);
    }
    static void TearDownTestSuite() {
        withJet.reset();
        skyAlone.reset();
    }

    static inline std::optional<pictures::RgbPicture> withJet;
    static inline std::optional<pictures::RgbPicture> skyAlone;
};

}  // namespace

TEST(picture_jet_photo, EdgesShowOnlySkyDeeperBlueAboveThanBelow) {
    const pictures::RgbPicture photo = picture_test::committedPicture("jet_photo.bmp");
    ASSERT_EQ(photo.width(), kWidth);
    ASSERT_EQ(photo.height(), kHeight);
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_TRUE(isSky(photo.at(x, 0))) << x;
        EXPECT_TRUE(isSky(photo.at(x, kHeight - 1))) << x;
    }
    for (int y = 0; y < kHeight; ++y) {
        EXPECT_TRUE(isSky(photo.at(0, y))) << y;
        EXPECT_TRUE(isSky(photo.at(kWidth - 1, y))) << y;
    }
    // Looking up, the sky deepens from the haze near the horizon.
    EXPECT_GT(meanBlueOverRed(photo, 0, 20), meanBlueOverRed(photo, kHeight - 20, kHeight) + 20);
}

TEST_F(JetPhotoRendering, JetFillsTheMiddleAndStaysClearOfTheEdges) {
    ASSERT_TRUE(withJet.has_value());
    ASSERT_TRUE(skyAlone.has_value());

    const picture_test::Region jet = picture_test::differingRegion(*withJet, *skyAlone);
    ASSERT_FALSE(jet.empty()) << "no jet drawn";
    EXPECT_GE(jet.left, 2);
    EXPECT_GE(jet.top, 2);
    EXPECT_LE(jet.right, kWidth - 3);
    EXPECT_LE(jet.bottom, kHeight - 3);
    EXPECT_GT(jet.right - jet.left, kWidth * 2 / 3);
    EXPECT_GT(jet.bottom - jet.top, kHeight / 2);
    EXPECT_NEAR(jet.centreX(), kWidth / 2.0, kWidth / 8.0);
    EXPECT_NEAR(jet.centreY(), kHeight / 2.0, kHeight / 8.0);
    EXPECT_GT(jet.pixels, kWidth * kHeight / 6);
}

TEST_F(JetPhotoRendering, JetIsLitWithHighlightsAndShade) {
    ASSERT_TRUE(withJet.has_value());
    ASSERT_TRUE(skyAlone.has_value());
    int darkest = 255;
    int brightest = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!(withJet->at(x, y) == skyAlone->at(x, y))) {
                const int level = picture_test::luminance(withJet->at(x, y));
                darkest = std::min(darkest, level);
                brightest = std::max(brightest, level);
            }
        }
    }
    EXPECT_LT(darkest, 70) << "no shaded side";
    EXPECT_GT(brightest, 200) << "no sunlit side";
}
