#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tools/pictures/puff_picture.h"

namespace {

int level(const pictures::RgbPicture& picture, int x, int y) {
    return picture.at(x, y).red;
}

}  // namespace

TEST(picture_puff, IsThirtyTwoPixelsSquareAndGrey) {
    const pictures::RgbPicture puff = pictures::makePuffPicture();
    ASSERT_EQ(puff.width(), 32);
    ASSERT_EQ(puff.height(), 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const pictures::Rgb c = puff.at(x, y);
            EXPECT_TRUE(c.red == c.green && c.green == c.blue) << x << "," << y;
        }
    }
}

TEST(picture_puff, BorderIsBlackSoTheSquareNeverShows) {
    const pictures::RgbPicture puff = pictures::makePuffPicture();
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(level(puff, i, 0), 0) << i;
        EXPECT_EQ(level(puff, i, 31), 0) << i;
        EXPECT_EQ(level(puff, 0, i), 0) << i;
        EXPECT_EQ(level(puff, 31, i), 0) << i;
    }
}

TEST(picture_puff, CentreIsBright) {
    const pictures::RgbPicture puff = pictures::makePuffPicture();
    for (int y = 15; y <= 16; ++y) {
        for (int x = 15; x <= 16; ++x) {
            EXPECT_GE(level(puff, x, y), 200) << x << "," << y;
        }
    }
}

TEST(picture_puff, FadesSoftlyFromCentreToEdge) {
    const pictures::RgbPicture puff = pictures::makePuffPicture();
    // Mean brightness in rings of growing radius falls steadily to nothing.
    double ringMean[17] = {};
    int ringCount[17] = {};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - 16.0;
            const double dy = y + 0.5 - 16.0;
            const int ring = static_cast<int>(std::sqrt(dx * dx + dy * dy));
            if (ring < 17) {
                ringMean[ring] += level(puff, x, y);
                ++ringCount[ring];
            }
        }
    }
    for (int ring = 0; ring < 17; ++ring) {
        ringMean[ring] /= ringCount[ring];
    }
    for (int ring = 1; ring < 17; ++ring) {
        EXPECT_LE(ringMean[ring], ringMean[ring - 1] + 4.0) << ring;
    }
    EXPECT_EQ(ringMean[16], 0.0);

    // Not a hard disc: many pixels sit between dark and bright.
    int midTones = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            midTones += level(puff, x, y) > 20 && level(puff, x, y) < 180;
        }
    }
    EXPECT_GT(midTones, 150);
}

TEST(picture_puff, IsSlightlyIrregular) {
    const pictures::RgbPicture puff = pictures::makePuffPicture();
    // Opposite points at the same distance from the centre differ somewhere.
    int asymmetric = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            asymmetric += std::abs(level(puff, x, y) - level(puff, 31 - x, 31 - y)) > 8;
        }
    }
    EXPECT_GT(asymmetric, 40);
}
