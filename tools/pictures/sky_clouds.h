#pragma once
// The sky's two cloud decks: low, puffy cumulus and high, thin stratus streaks, lit by a low sun.
#include "tools/pictures/cloud_deck.h"
#include "tools/pictures/sky_dome.h"

namespace pictures::sky {

CloudCover cumulusCover(const SkyDirection& direction, const PixelAngles& pixel);
CloudCover stratusCover(const SkyDirection& direction, const PixelAngles& pixel);

}  // namespace pictures::sky
