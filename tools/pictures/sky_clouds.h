#pragma once
// The sky's two cloud decks: low, puffy cumulus and high, thin stratus streaks, lit by the low
// sun. Clouds on decks round the viewer shrink and crowd towards the horizon, look the same
// wherever a picture's edges meet, and flow smoothly through the zenith.
#include "tools/pictures/sky.h"

namespace pictures::sky {

struct CloudCover {
    Colour colour;
    double opacity = 0.0;  // 0 clear sky .. 1 the cloud hides the sky behind it
};

CloudCover cumulusCover(const Vector3& direction, const PixelAngles& pixel);
CloudCover stratusCover(const Vector3& direction, const PixelAngles& pixel);

}  // namespace pictures::sky
