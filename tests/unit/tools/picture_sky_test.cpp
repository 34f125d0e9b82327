// Checks on the committed sky picture (which picture_files keeps equal to a fresh one). Rows
// 0 to 255 lie below the horizon and are hidden by the ground; rows 256 to 511 are the sky
// one sees, the bottom row at the zenith.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "tests/unit/tools/picture_bmp_reading.h"

namespace {

constexpr int kSize = 512;
constexpr int kHorizonRow = kSize / 2;

const pictures::RgbPicture& committedSky() {
    static const std::optional<pictures::RgbPicture> sky = picture_test::parseBmp24(
        picture_test::readFileBytes(picture_test::committedPicturePath("sky.bmp")));
    if (!sky) {
        ADD_FAILURE() << "saver/resources/sky.bmp is missing or not a 24-bit BMP";
        static const pictures::RgbPicture empty(kSize, kSize);
        return empty;
    }
    return *sky;
}

int difference(pictures::Rgb a, pictures::Rgb b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

bool isBlueSky(pictures::Rgb c) {
    return c.blue > c.red + 25 && c.blue > c.green;
}

// Cloud lit white or pink/peach: bright, with red at least as strong as blue.
bool isWarmCloud(pictures::Rgb c) {
    return c.red >= 215 && c.red + 4 >= c.blue;
}

}  // namespace

TEST(picture_sky, LeftAndRightEdgesJoinWithoutASeam) {
    const pictures::RgbPicture& sky = committedSky();
    long acrossJoin = 0;
    long besideJoin = 0;
    for (int y = 0; y < kSize; ++y) {
        const int across = difference(sky.at(kSize - 1, y), sky.at(0, y));
        // A cloud's edge may cross the join; the step there is then like its neighbours' steps.
        int steepestNearby = 0;
        for (int x = 0; x < 4; ++x) {
            steepestNearby = std::max(steepestNearby, difference(sky.at(x, y), sky.at(x + 1, y)));
            steepestNearby = std::max(
                steepestNearby, difference(sky.at(kSize - 2 - x, y), sky.at(kSize - 1 - x, y)));
        }
        EXPECT_LE(across, 2 * steepestNearby + 6) << "row " << y;
        acrossJoin += across;
        besideJoin += difference(sky.at(0, y), sky.at(1, y)) +
                      difference(sky.at(kSize - 2, y), sky.at(kSize - 1, y));
    }
    // On average the join is no rougher than an ordinary step between neighbours.
    EXPECT_LE(acrossJoin, besideJoin / 2 + kSize);
}

TEST(picture_sky, RowsAtThePolesChangeOnlyGently) {
    const pictures::RgbPicture& sky = committedSky();
    // Each of these rows shrinks to a tiny ring round a pole of the sphere; any fine pattern
    // along it would pinch into a star there.
    for (int y : {0, 1, kSize - 2, kSize - 1}) {
        int steepest = 0;
        int widest = 0;
        for (int x = 0; x < kSize; ++x) {
            steepest = std::max(steepest, difference(sky.at(x, y), sky.at((x + 1) % kSize, y)));
            widest = std::max(widest, difference(sky.at(x, y), sky.at(0, y)));
        }
        EXPECT_LE(steepest, 3) << "row " << y;
        EXPECT_LE(widest, 12) << "row " << y;
    }
}

TEST(picture_sky, VisibleSkyIsMostlyBlueWithWarmWhiteClouds) {
    const pictures::RgbPicture& sky = committedSky();
    int blue = 0;
    int warmCloud = 0;
    for (int y = kHorizonRow; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            blue += isBlueSky(sky.at(x, y));
            warmCloud += isWarmCloud(sky.at(x, y));
        }
    }
    const int visible = kSize * (kSize - kHorizonRow);
    EXPECT_GT(blue, visible / 2);
    EXPECT_GT(warmCloud, visible / 50);
    EXPECT_LT(warmCloud, visible / 3);
}

TEST(picture_sky, HorizonIsAPalePinkHaze) {
    const pictures::RgbPicture& sky = committedSky();
    long red = 0;
    long blue = 0;
    for (int x = 0; x < kSize; ++x) {
        red += sky.at(x, kHorizonRow).red;
        blue += sky.at(x, kHorizonRow).blue;
    }
    EXPECT_GT(red / kSize, 200);
    EXPECT_GE(red, blue);
}
