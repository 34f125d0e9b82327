#include "tools/pictures/sky.h"

#include <cmath>

#include "tools/pictures/sky_clouds.h"

namespace pictures::sky {
namespace {

constexpr Colour kZenith = fromBytes(62, 110, 190);
constexpr Colour kHighSky = fromBytes(98, 150, 218);
constexpr Colour kLowSky = fromBytes(160, 190, 232);
constexpr Colour kHorizon = fromBytes(236, 210, 220);
constexpr Colour kSunGlow = fromBytes(255, 196, 170);
// Only a sliver below the horizon shows past the ground's far edge; keep it a calm haze.
constexpr Colour kBelowHorizon = fromBytes(170, 172, 205);

// The cloudless sky by height, its glow round the sun hugging the horizon and spreading about a
// quarter of the way round.
Colour clearSkyColour(const Vector3& direction) {
    const double up = direction.y;
    Colour base;
    if (up >= 0.0) {
        base = mix(kHorizon, kLowSky, smoothstep(0.0, 0.14, up));
        base = mix(base, kHighSky, smoothstep(0.08, 0.45, up));
        base = mix(base, kZenith, smoothstep(0.35, 1.0, up));
    } else {
        base = mix(kHorizon, kBelowHorizon, smoothstep(0.0, 0.3, -up));
    }
    const double facing = sunwardness(direction);
    const double lowness = 1.0 - std::fabs(direction.y);
    const double glow = facing * facing * facing * lowness * lowness * lowness;
    return mix(base, kSunGlow, 0.55 * glow);
}

}  // namespace

double sunwardness(const Vector3& direction) {
    const double ring = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    if (ring < 1e-9) {
        return 0.5;  // straight up or down every azimuth is alike
    }
    return 0.5 + 0.5 * (direction.x * kSunX + direction.z * kSunZ) / ring;
}

Colour skyColour(const Vector3& direction, const PixelAngles& pixel) {
    Colour colour = clearSkyColour(direction);
    const CloudCover stratus = stratusCover(direction, pixel);
    colour = mix(colour, stratus.colour, stratus.opacity);
    const CloudCover cumulus = cumulusCover(direction, pixel);
    colour = mix(colour, cumulus.colour, cumulus.opacity);

    // Air between the viewer and far clouds: everything low melts into the horizon's haze.
    if (direction.y > 0.0) {
        const double clearness = smoothstep(0.0, 0.2, direction.y);
        const double haze = (1.0 - clearness) * (1.0 - clearness);
        colour = mix(colour, clearSkyColour({direction.x, 0.0, direction.z}), 0.8 * haze);
    }
    return colour;
}

}  // namespace pictures::sky
