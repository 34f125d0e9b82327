#include "tools/pictures/sky_dome.h"

#include "tools/pictures/turn_trig.h"

namespace pictures {

SkyDirection skyDirection(double column, double row, int width, int height) {
    const double s = column / width;
    const double t = 1.0 - row / height;  // the bottom row is stored, and read, first

    // GLU's sphere before the turn: z = -cos(pi t), the point at azimuth s from +y towards +x.
    // Turning it 90 degrees about x maps (x, y, z) to (x, -z, y).
    const double ring = sinTurns(t / 2.0);
    return {sinTurns(s) * ring, cosTurns(t / 2.0), cosTurns(s) * ring};
}

}  // namespace pictures
