#include <gtest/gtest.h>

#include <cmath>

#include "tools/pictures/noise.h"

using pictures::filteredFractalNoise;
using pictures::FractalNoise;
using pictures::fractalNoise;
using pictures::gradientNoise;

TEST(picture_noise, VanishesOnTheLattice) {
    for (int y = -3; y <= 3; ++y) {
        for (int x = -3; x <= 3; ++x) {
            EXPECT_EQ(gradientNoise(x, y, 5), 0.0) << x << "," << y;
        }
    }
}

TEST(picture_noise, StaysWithinUnitRangeAndUsesMostOfIt) {
    double lowest = 0.0;
    double highest = 0.0;
    for (int j = 0; j < 200; ++j) {
        for (int i = 0; i < 200; ++i) {
            const double n = gradientNoise(i * 0.137 - 13.0, j * 0.173 - 11.0, 3);
            lowest = std::fmin(lowest, n);
            highest = std::fmax(highest, n);
        }
    }
    EXPECT_GE(lowest, -1.0);
    EXPECT_LE(highest, 1.0);
    EXPECT_LT(lowest, -0.6);
    EXPECT_GT(highest, 0.6);
}

TEST(picture_noise, IsContinuousAcrossCellBorders) {
    // Either side of x = 2 and y = -1, the values must meet.
    constexpr double kStep = 1e-7;
    for (double t = 0.05; t < 1.0; t += 0.1) {
        EXPECT_NEAR(gradientNoise(2.0 - kStep, t, 9), gradientNoise(2.0 + kStep, t, 9), 1e-5);
        EXPECT_NEAR(gradientNoise(t, -1.0 - kStep, 9), gradientNoise(t, -1.0 + kStep, 9), 1e-5);
    }
}

TEST(picture_noise, SeedsGiveDifferentPatterns) {
    int differing = 0;
    for (int i = 0; i < 50; ++i) {
        const double x = 0.31 + i * 0.77;
        const double y = 0.52 + i * 0.41;
        if (std::fabs(gradientNoise(x, y, 1) - gradientNoise(x, y, 2)) > 0.05) {
            ++differing;
        }
    }
    EXPECT_GT(differing, 35);
}

TEST(picture_noise, FractalSumStaysWithinUnitRange) {
    const FractalNoise settings{.octaves = 6, .seed = 77};
    for (int j = 0; j < 100; ++j) {
        for (int i = 0; i < 100; ++i) {
            const double n = fractalNoise(settings, i * 0.29, j * 0.31);
            ASSERT_GE(n, -1.0);
            ASSERT_LE(n, 1.0);
        }
    }
}

TEST(picture_noise, FineFootprintKeepsEveryOctave) {
    const FractalNoise settings{.octaves = 5, .seed = 4};
    const auto sample = filteredFractalNoise(settings, 1.3, 2.7, 0.0);
    EXPECT_EQ(sample.detail, 1.0);
    EXPECT_EQ(sample.value, fractalNoise(settings, 1.3, 2.7));
}

TEST(picture_noise, FootprintFadesFineOctavesFirst) {
    const FractalNoise settings{.octaves = 5, .seed = 4};
    // A footprint of a quarter cell loses only the octaves finer than the base.
    const double someLost = filteredFractalNoise(settings, 1.3, 2.7, 0.25).detail;
    EXPECT_LT(someLost, 1.0);
    EXPECT_GT(someLost, 0.5);  // the base octave carries about half of the amplitude
    // A footprint of several cells leaves nothing to draw.
    const auto allLost = filteredFractalNoise(settings, 1.3, 2.7, 4.0);
    EXPECT_EQ(allLost.detail, 0.0);
    EXPECT_EQ(allLost.value, 0.0);
}
