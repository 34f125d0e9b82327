#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tools/pictures/colour_canvas.h"
#include "tools/pictures/looped_noise.h"
#include "tools/pictures/shapes.h"

using pictures::Box;
using pictures::Colour;
using pictures::Point2;

TEST(picture_shapes, RoundedBoxDistanceIsSignedAndRoundsTheCorners) {
    const Box box{0.0, 0.0, 10.0, 6.0};
    EXPECT_DOUBLE_EQ(pictures::roundedBoxDistance(5.0, 3.0, box, 2.0), -3.0);
    EXPECT_DOUBLE_EQ(pictures::roundedBoxDistance(5.0, 0.0, box, 2.0), 0.0);
    EXPECT_DOUBLE_EQ(pictures::roundedBoxDistance(12.0, 3.0, box, 2.0), 2.0);
    // The square corner point lies outside a rounded corner, by sqrt(2) x 2 - 2.
    EXPECT_NEAR(pictures::roundedBoxDistance(10.0, 6.0, box, 2.0), std::sqrt(8.0) - 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(pictures::roundedBoxDistance(10.0, 6.0, box, 0.0), 0.0);
}

TEST(picture_shapes, EdgeCoverageRampsOverOnePixel) {
    EXPECT_EQ(pictures::edgeCoverage(-1.0), 1.0);
    EXPECT_EQ(pictures::edgeCoverage(0.0), 0.5);
    EXPECT_EQ(pictures::edgeCoverage(1.0), 0.0);
}

TEST(picture_shapes, PolygonInsideFollowsTheEvenOddRule) {
    // An L shape: the notch at the upper right is outside.
    const std::array<Point2, 6> ell = {{{0, 0}, {2, 0}, {2, 2}, {4, 2}, {4, 4}, {0, 4}}};
    EXPECT_TRUE(pictures::insidePolygon(ell, 1.0, 1.0));
    EXPECT_TRUE(pictures::insidePolygon(ell, 3.0, 3.0));
    EXPECT_FALSE(pictures::insidePolygon(ell, 3.0, 1.0));
    EXPECT_FALSE(pictures::insidePolygon(ell, 5.0, 3.0));
}

TEST(picture_shapes, PolygonCoverageMeasuresTheCoveredShareOfAPixel) {
    // A triangle halving pixel (0, 0) along its diagonal, and a square covering pixel (3, 3).
    const std::array<Point2, 3> half = {{{0, 0}, {1, 0}, {0, 1}}};
    const std::array<Point2, 4> whole = {{{2, 2}, {5, 2}, {5, 5}, {2, 5}}};
    EXPECT_NEAR(pictures::polygonCoverage(half, 0, 0, 8), 0.5, 0.07);
    EXPECT_EQ(pictures::polygonCoverage(whole, 3, 3, 8), 1.0);
    EXPECT_EQ(pictures::polygonCoverage(whole, 0, 0, 8), 0.0);
}

TEST(picture_shapes, CanvasBlendsAddsAndIgnoresPixelsOffItsEdges) {
    pictures::ColourCanvas canvas(2, 2, {0.2, 0.2, 0.2});
    canvas.blend(0, 0, {1.0, 0.0, 0.0}, 0.5);
    EXPECT_DOUBLE_EQ(canvas.at(0, 0).red, 0.6);
    EXPECT_DOUBLE_EQ(canvas.at(0, 0).green, 0.1);
    canvas.add(1, 1, {0.5, 0.5, 0.5});
    EXPECT_DOUBLE_EQ(canvas.at(1, 1).blue, 0.7);
    canvas.blend(-1, 0, {1.0, 1.0, 1.0}, 1.0);
    canvas.blend(0, 2, {1.0, 1.0, 1.0}, 1.0);
    canvas.add(2, 1, {1.0, 1.0, 1.0});
    EXPECT_DOUBLE_EQ(canvas.at(1, 0).red, 0.2);
    EXPECT_DOUBLE_EQ(canvas.at(0, 1).red, 0.2);
    // Light added past white is clipped only when stored.
    canvas.add(1, 1, {1.0, 1.0, 1.0});
    EXPECT_EQ(canvas.toPicture().at(1, 1), (pictures::Rgb{255, 255, 255}));
}

TEST(picture_shapes, FillRoundedBoxCoversItsInsideAndSoftensItsEdge) {
    pictures::ColourCanvas canvas(10, 10);
    pictures::fillRoundedBox(canvas, {2.0, 2.0, 8.0, 8.0}, 0.0, [](int, int) {
        return Colour{1.0, 1.0, 1.0};
    });
    EXPECT_DOUBLE_EQ(canvas.at(2, 2).red, 1.0);
    EXPECT_DOUBLE_EQ(canvas.at(7, 7).red, 1.0);
    EXPECT_DOUBLE_EQ(canvas.at(1, 5).red, 0.0);
    EXPECT_DOUBLE_EQ(canvas.at(8, 5).red, 0.0);

    pictures::ColourCanvas offGrid(10, 10);
    pictures::fillRoundedBox(offGrid, {2.5, 2.0, 8.0, 8.0}, 0.0, [](int, int) {
        return Colour{1.0, 1.0, 1.0};
    });
    EXPECT_DOUBLE_EQ(offGrid.at(2, 5).red, 0.5);  // half of pixel 2 lies inside
}

TEST(picture_looped_noise, RepeatsWithItsPeriodAndVariesWithin) {
    const pictures::FractalNoise settings{.octaves = 3, .seed = 12};
    double lowest = 1.0;
    double highest = -1.0;
    for (double position = 0.0; position < 100.0; position += 0.7) {
        const double value = pictures::loopedNoise(settings, position, 100.0, 10.0);
        EXPECT_NEAR(value, pictures::loopedNoise(settings, position + 100.0, 100.0, 10.0), 1e-9);
        EXPECT_NEAR(value, pictures::loopedNoise(settings, position - 300.0, 100.0, 10.0), 1e-9);
        lowest = std::fmin(lowest, value);
        highest = std::fmax(highest, value);
    }
    EXPECT_GT(highest - lowest, 0.5);
}

TEST(picture_looped_noise, FeatureLengthSetsHowFastItChanges) {
    const pictures::FractalNoise settings{.octaves = 1, .seed = 3};
    double coarseSteps = 0.0;
    double fineSteps = 0.0;
    for (double position = 0.0; position < 500.0; position += 1.0) {
        coarseSteps += std::fabs(pictures::loopedNoise(settings, position + 1.0, 500.0, 100.0) -
                                 pictures::loopedNoise(settings, position, 500.0, 100.0));
        fineSteps += std::fabs(pictures::loopedNoise(settings, position + 1.0, 500.0, 10.0) -
                               pictures::loopedNoise(settings, position, 500.0, 10.0));
    }
    EXPECT_GT(fineSteps, 4.0 * coarseSteps);
}
