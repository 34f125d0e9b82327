// The panel is tiled with the metal strip, so besides looking like brushed metal its opposite
// edges must join as smoothly as neighbouring pixels do.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/unit/tools/picture_committed.h"
#include "tools/pictures/metal_strip_picture.h"

namespace {

constexpr int kWidth = 556;
constexpr int kHeight = 20;

int difference(pictures::Rgb a, pictures::Rgb b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// Mean difference between the pixels of column a and column b.
double columnDifference(const pictures::RgbPicture& strip, int a, int b) {
    double sum = 0.0;
    for (int y = 0; y < kHeight; ++y) {
        sum += difference(strip.at(a, y), strip.at(b, y));
    }
    return sum / kHeight;
}

// Mean difference between the pixels of row a and row b.
double rowDifference(const pictures::RgbPicture& strip, int a, int b) {
    double sum = 0.0;
    for (int x = 0; x < kWidth; ++x) {
        sum += difference(strip.at(x, a), strip.at(x, b));
    }
    return sum / kWidth;
}

double meanNeighbourColumnDifference(const pictures::RgbPicture& strip) {
    double sum = 0.0;
    for (int x = 0; x + 1 < kWidth; ++x) {
        sum += columnDifference(strip, x, x + 1);
    }
    return sum / (kWidth - 1);
}

double meanNeighbourRowDifference(const pictures::RgbPicture& strip) {
    double sum = 0.0;
    for (int y = 0; y + 1 < kHeight; ++y) {
        sum += rowDifference(strip, y, y + 1);
    }
    return sum / (kHeight - 1);
}

}  // namespace

TEST(picture_metal_strip, IsADrawingOfTheStripSize) {
    const pictures::RgbPicture strip = pictures::makeMetalStripPicture();
    EXPECT_EQ(strip.width(), kWidth);
    EXPECT_EQ(strip.height(), kHeight);
}

TEST(picture_metal_strip, IsLightNearlyNeutralGrey) {
    const pictures::RgbPicture strip = picture_test::committedPicture("metal_strip.bmp");
    ASSERT_EQ(strip.width(), kWidth);
    long total = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const pictures::Rgb c = strip.at(x, y);
            ASSERT_LE(std::abs(c.red - c.green), 6) << x << "," << y;
            ASSERT_LE(c.blue - c.red, 10) << x << "," << y;  // a cool tint at most
            ASSERT_GE(c.blue, c.red) << x << "," << y;
            ASSERT_GE(picture_test::luminance(c), 175) << x << "," << y;
            ASSERT_LE(picture_test::luminance(c), 240) << x << "," << y;
            total += picture_test::luminance(c);
        }
    }
    const double mean = static_cast<double>(total) / (kWidth * kHeight);
    EXPECT_GT(mean, 195.0);
    EXPECT_LT(mean, 220.0);
}

TEST(picture_metal_strip, IsBrushedAlongItsLength) {
    const pictures::RgbPicture strip = picture_test::committedPicture("metal_strip.bmp");
    ASSERT_EQ(strip.height(), kHeight);
    const double along = meanNeighbourColumnDifference(strip);
    const double across = meanNeighbourRowDifference(strip);
    EXPECT_GT(across, 2.0) << "no visible grain";
    EXPECT_LT(along, 0.5 * across) << "the streaks do not run along the strip";
}

TEST(picture_metal_strip, LeftAndRightColumnsJoin) {
    const pictures::RgbPicture strip = picture_test::committedPicture("metal_strip.bmp");
    ASSERT_EQ(strip.width(), kWidth);
    const double neighbours = meanNeighbourColumnDifference(strip);
    // Columns far apart differ clearly, so a join no rougher than neighbours means a seamless
    // continuation rather than chance.
    EXPECT_GT(columnDifference(strip, 0, kWidth / 2), 2.0 * neighbours);
    EXPECT_LE(columnDifference(strip, kWidth - 1, 0), 1.5 * neighbours + 0.5);
}

TEST(picture_metal_strip, TopAndBottomRowsJoin) {
    const pictures::RgbPicture strip = picture_test::committedPicture("metal_strip.bmp");
    ASSERT_EQ(strip.height(), kHeight);
    const double neighbours = meanNeighbourRowDifference(strip);
    EXPECT_GT(rowDifference(strip, 0, kHeight / 2), 1.2 * neighbours);
    EXPECT_LE(rowDifference(strip, kHeight - 1, 0), 1.1 * neighbours);
}
