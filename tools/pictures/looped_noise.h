#pragma once
// Noise that repeats exactly: for pictures that are tiled, whose opposite edges must join.
#include "tools/pictures/noise.h"

namespace pictures {

// Fractal noise along a closed loop of the given period: loopedNoise(p) and
// loopedNoise(p + period) are the same value. The loop is a circle through the noise plane, so
// the pattern has no seam and no visible repetition within one period; featureLength is the
// typical size of its largest features in the same units as position.
double loopedNoise(const FractalNoise& settings, double position, double period,
                   double featureLength);

}  // namespace pictures
