#include <numbers>

#include "tools/pictures/picture_catalogue.h"

#include "tools/pictures/sky_clouds.h"
#include "tools/pictures/sky_dome.h"
#include "tools/pictures/sky_gradient.h"

namespace pictures {
namespace {

constexpr int kSize = 512;
constexpr double kPi = std::numbers::pi;

Colour skyColour(const SkyDirection& direction, const sky::PixelAngles& pixel) {
    Colour colour = sky::clearSkyColour(direction);
    const sky::CloudCover stratus = sky::stratusCover(direction, pixel);
    colour = mix(colour, stratus.colour, stratus.opacity);
    const sky::CloudCover cumulus = sky::cumulusCover(direction, pixel);
    colour = mix(colour, cumulus.colour, cumulus.opacity);

    // Air between the viewer and far clouds: everything low melts into the horizon's haze.
    if (direction.y > 0.0) {
        const double clearness = smoothstep(0.0, 0.2, direction.y);
        const double haze = (1.0 - clearness) * (1.0 - clearness);
        colour = mix(colour, sky::horizonColour(direction), 0.8 * haze);
    }
    return colour;
}

}  // namespace

Picture makeSkyPicture() {
    Picture picture(kSize, kSize);
    // One sample per pixel is enough: the clouds filter their own noise to the pixel's size.
    const sky::PixelAngles pixel{kPi / kSize, 2.0 * kPi / kSize};
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const SkyDirection direction = skyDirection(column + 0.5, row + 0.5, kSize, kSize);
            picture.set(column, row, toRgba(skyColour(direction, pixel)));
        }
    }
    return picture;
}

}  // namespace pictures
