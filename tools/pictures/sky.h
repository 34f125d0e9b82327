#pragma once
// The sky the scene flies under, painted by direction: a blue dome paling to a pink haze at the
// horizon, warmed on one side by a low sun just out of sight, with low cumulus and high stratus
// on cloud decks round the viewer. Painted by direction rather than on a picture, the same sky
// serves the sky sphere's picture and the jet's photograph.
//
// Directions are unit vectors in the scene's world axes: x east, y up, z north.
#include "scene/vector3.h"
#include "tools/pictures/colour.h"

namespace pictures::sky {

// The angle one pixel spans, in radians, up-down and round the horizon: the clouds blur their
// detail to it instead of aliasing.
struct PixelAngles {
    double vertical = 0.0;
    double azimuth = 0.0;
};

// Horizontal direction towards the sun (x east, z north), a unit vector.
inline constexpr double kSunX = 0.6;
inline constexpr double kSunZ = 0.8;

// How much a direction faces the sun, 0 (away) to 1 (towards), ignoring height.
double sunwardness(const Vector3& direction);

Colour skyColour(const Vector3& direction, const PixelAngles& pixel);

}  // namespace pictures::sky
