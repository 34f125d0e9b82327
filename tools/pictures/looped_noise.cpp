#include "tools/pictures/looped_noise.h"

#include "tools/pictures/turn_trig.h"

namespace pictures {

double loopedNoise(const FractalNoise& settings, double position, double period,
                   double featureLength) {
    // The circle's circumference holds period / featureLength lattice cells.
    constexpr double kTwoPi = 6.283185307179586;
    const double radius = period / featureLength / kTwoPi;
    const double turns = position / period;
    return fractalNoise(settings, radius * cosTurns(turns), radius * sinTurns(turns));
}

}  // namespace pictures
