#include "tools/pictures/turn_trig.h"

#include <cmath>

namespace pictures {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Taylor series of sin(x) for |x| <= pi/2; the x^19 term would add less than 1e-14.
double sinNearZero(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 2; n <= 18; n += 2) {
        term *= -x2 / (n * (n + 1));
        sum += term;
    }
    return sum;
}

}  // namespace

double sinTurns(double turns) {
    // Reduce to [-1/2, 1/2), then fold onto [-1/4, 1/4] where the series converges quickly.
    double r = turns - std::floor(turns + 0.5);
    if (r > 0.25) {
        r = 0.5 - r;
    } else if (r < -0.25) {
        r = -0.5 - r;
    }
    return sinNearZero(r * kTwoPi);
}

double cosTurns(double turns) {
    return sinTurns(turns + 0.25);
}

}  // namespace pictures
