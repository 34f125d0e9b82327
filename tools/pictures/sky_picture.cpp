#include <cmath>
#include <numbers>

#include "scene/vector3.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/sky.h"

namespace pictures {
namespace {

constexpr int kSize = 512;
constexpr double kPi = std::numbers::pi;

// The direction seen through point (column, row) of the picture, counted in pixels from its
// top-left corner. The scene wraps the picture round the inside of a GLU sphere turned upright:
// t = 0 at the zenith, s once round the axis, and the bitmap reader hands the rows over bottom
// row first. So the bottom row wraps the zenith, the middle row the horizon, and seen flat the
// picture is upside down and mirrored.
Vector3 domeDirection(double column, double row) {
    const double s = column / kSize;
    const double t = 1.0 - row / kSize;
    // GLU's point at azimuth s from +y towards +x and z = -cos(pi t), turned 90 degrees about x.
    const double ring = std::sin(kPi * t);
    return {std::sin(2.0 * kPi * s) * ring, std::cos(kPi * t), std::cos(2.0 * kPi * s) * ring};
}

}  // namespace

Picture makeSkyPicture() {
    Picture picture(kSize, kSize);
    // One sample per pixel is enough: the clouds filter their own noise to the pixel's size.
    const sky::PixelAngles pixel{kPi / kSize, 2.0 * kPi / kSize};
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const Vector3 direction = domeDirection(column + 0.5, row + 0.5);
            picture.set(column, row, toRgba(sky::skyColour(direction, pixel)));
        }
    }
    return picture;
}

}  // namespace pictures
