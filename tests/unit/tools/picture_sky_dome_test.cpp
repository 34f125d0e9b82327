#include <gtest/gtest.h>

#include <cmath>

#include "tools/pictures/sky_dome.h"

using pictures::SkyDirection;
using pictures::skyDirection;

namespace {

constexpr int kSize = 512;

double length(const SkyDirection& d) {
    return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

}  // namespace

TEST(picture_sky_dome, BottomRowWrapsTheZenithAndTopRowTheNadir) {
    // The sphere's t = 0 pole is turned upwards and the bottom row is read first.
    EXPECT_NEAR(skyDirection(100.5, kSize, kSize, kSize).y, 1.0, 1e-12);
    EXPECT_NEAR(skyDirection(100.5, 0.0, kSize, kSize).y, -1.0, 1e-12);
    EXPECT_NEAR(skyDirection(100.5, kSize / 2.0, kSize, kSize).y, 0.0, 1e-12);
    EXPECT_GT(skyDirection(100.5, kSize - 0.5, kSize, kSize).y, 0.999);
}

TEST(picture_sky_dome, ColumnsRunRoundTheHorizonFromNorthThroughEast) {
    // GLU's s: 0 at the sphere's +y axis, 1/4 at +x; the upright turn takes +y to +z.
    const SkyDirection north = skyDirection(0.0, kSize / 2.0, kSize, kSize);
    EXPECT_NEAR(north.z, 1.0, 1e-12);
    const SkyDirection east = skyDirection(kSize / 4.0, kSize / 2.0, kSize, kSize);
    EXPECT_NEAR(east.x, 1.0, 1e-12);
    const SkyDirection south = skyDirection(kSize / 2.0, kSize / 2.0, kSize, kSize);
    EXPECT_NEAR(south.z, -1.0, 1e-12);
}

TEST(picture_sky_dome, LeftAndRightEdgesAreTheSameMeridian) {
    for (double row = 0.5; row < kSize; row += 37.0) {
        const SkyDirection left = skyDirection(0.0, row, kSize, kSize);
        const SkyDirection right = skyDirection(kSize, row, kSize, kSize);
        EXPECT_NEAR(left.x, right.x, 1e-12);
        EXPECT_NEAR(left.y, right.y, 1e-12);
        EXPECT_NEAR(left.z, right.z, 1e-12);
    }
}

TEST(picture_sky_dome, DirectionsAreUnitVectors) {
    for (double row = 0.5; row < kSize; row += 51.0) {
        for (double column = 0.5; column < kSize; column += 47.0) {
            EXPECT_NEAR(length(skyDirection(column, row, kSize, kSize)), 1.0, 1e-12);
        }
    }
}
