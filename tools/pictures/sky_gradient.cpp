#include "tools/pictures/sky_gradient.h"

#include <cmath>

#include "tools/pictures/sky_palette.h"

namespace pictures::sky {
namespace {

// The sun's glow hugs the horizon and spreads about a quarter of the way round.
Colour warmedBySun(Colour base, const SkyDirection& direction) {
    const double facing = sunwardness(direction);
    const double lowness = 1.0 - std::fabs(direction.y);
    const double glow = facing * facing * facing * lowness * lowness * lowness;
    return mix(base, kSunGlow, 0.55 * glow);
}

}  // namespace

double sunwardness(const SkyDirection& direction) {
    const double ring = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    if (ring < 1e-9) {
        return 0.5;  // straight up or down every azimuth is alike
    }
    return 0.5 + 0.5 * (direction.x * kSunX + direction.z * kSunZ) / ring;
}

Colour clearSkyColour(const SkyDirection& direction) {
    const double up = direction.y;
    Colour base;
    if (up >= 0.0) {
        base = mix(kHorizon, kLowSky, smoothstep(0.0, 0.14, up));
        base = mix(base, kHighSky, smoothstep(0.08, 0.45, up));
        base = mix(base, kZenith, smoothstep(0.35, 1.0, up));
    } else {
        base = mix(kHorizon, kBelowHorizon, smoothstep(0.0, 0.3, -up));
    }
    return warmedBySun(base, direction);
}

Colour horizonColour(const SkyDirection& direction) {
    return clearSkyColour({direction.x, 0.0, direction.z});
}

}  // namespace pictures::sky
