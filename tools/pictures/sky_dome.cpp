#include "tools/pictures/sky_dome.h"

#include <cmath>
#include <numbers>

namespace pictures {

SkyDirection skyDirection(double column, double row, int width, int height) {
    const double s = column / width;
    const double t = 1.0 - row / height;  // the bottom row is stored, and read, first

    // GLU's sphere before the turn: z = -cos(pi t), the point at azimuth s from +y towards +x.
    // Turning it 90 degrees about x maps (x, y, z) to (x, -z, y).
    constexpr double kPi = std::numbers::pi;
    const double ring = std::sin(kPi * t);
    return {std::sin(2.0 * kPi * s) * ring, std::cos(kPi * t), std::cos(2.0 * kPi * s) * ring};
}

}  // namespace pictures
