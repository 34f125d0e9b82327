#include "tools/scene_pictures/photo_sky.h"

#include <cmath>

#include "tools/pictures/sky_clouds.h"
#include "tools/pictures/sky_gradient.h"

namespace scene_pictures {
namespace {

using pictures::Colour;
using pictures::SkyDirection;

Colour skyColour(const SkyDirection& direction, const pictures::sky::PixelAngles& pixel) {
    Colour colour = pictures::sky::clearSkyColour(direction);
    const pictures::sky::CloudCover stratus = pictures::sky::stratusCover(direction, pixel);
    colour = mix(colour, stratus.colour, stratus.opacity);
    const pictures::sky::CloudCover cumulus = pictures::sky::cumulusCover(direction, pixel);
    colour = mix(colour, cumulus.colour, cumulus.opacity);
    // Far clouds melt into the horizon's haze.
    const double clearness = pictures::smoothstep(0.0, 0.2, direction.y);
    const double haze = (1.0 - clearness) * (1.0 - clearness);
    return mix(colour, pictures::sky::horizonColour(direction), 0.8 * haze);
}

}  // namespace

pictures::Picture paintPhotoSky(const PhotoCamera& camera) {
    pictures::Picture picture(camera.width, camera.height);
    const double angle = pixelAngle(camera);
    for (int row = 0; row < camera.height; ++row) {
        for (int column = 0; column < camera.width; ++column) {
            const SkyDirection direction = viewDirection(camera, column + 0.5, row + 0.5);
            // A pixel spans the same angle every way; round the horizon that is a larger share
            // of a turn the higher it looks.
            const double ring = std::sqrt(direction.x * direction.x + direction.z * direction.z);
            const pictures::sky::PixelAngles pixel{angle, angle / (ring > 0.05 ? ring : 0.05)};
            picture.set(column, row, pictures::toRgba(skyColour(direction, pixel)));
        }
    }
    return picture;
}

}  // namespace scene_pictures
