#pragma once
// The look of the sky: a clear blue dome paling to a pink haze at the horizon, a low sun just
// out of sight warming one side, and clouds lit white and peach with lavender shadows.
#include "tools/pictures/colour.h"

namespace pictures::sky {

inline constexpr Colour kZenith = fromBytes(62, 110, 190);
inline constexpr Colour kHighSky = fromBytes(98, 150, 218);
inline constexpr Colour kLowSky = fromBytes(160, 190, 232);
inline constexpr Colour kHorizon = fromBytes(236, 210, 220);
inline constexpr Colour kSunGlow = fromBytes(255, 196, 170);
// Only a sliver below the horizon shows past the ground's far edge; keep it a calm haze.
inline constexpr Colour kBelowHorizon = fromBytes(170, 172, 205);

inline constexpr Colour kCloudLit = fromBytes(255, 246, 244);
inline constexpr Colour kCloudSunRim = fromBytes(255, 212, 194);
inline constexpr Colour kCloudShadow = fromBytes(150, 150, 192);
inline constexpr Colour kStratus = fromBytes(250, 222, 230);

// Horizontal direction towards the sun (x east, z north), a unit vector.
inline constexpr double kSunX = 0.6;
inline constexpr double kSunZ = 0.8;

}  // namespace pictures::sky
