#pragma once
// The cloudless sky: colour by height above the horizon, warmed towards the sun.
#include "tools/pictures/colour.h"
#include "tools/pictures/sky_dome.h"

namespace pictures::sky {

Colour clearSkyColour(const SkyDirection& direction);

// The clear sky's colour right at the horizon below the given direction, which distant
// clouds dissolve into.
Colour horizonColour(const SkyDirection& direction);

// How much a direction faces the sun, 0 (away) to 1 (towards), ignoring height.
double sunwardness(const SkyDirection& direction);

}  // namespace pictures::sky
