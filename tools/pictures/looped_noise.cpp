#include "tools/pictures/looped_noise.h"

#include <cmath>
#include <numbers>

namespace pictures {

double loopedNoise(const FractalNoise& settings, double position, double period,
                   double featureLength) {
    // The circle's circumference holds period / featureLength lattice cells.
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    const double radius = period / featureLength / kTwoPi;
    const double angle = kTwoPi * position / period;
    return fractalNoise(settings, radius * std::cos(angle), radius * std::sin(angle));
}

}  // namespace pictures
