#include "tools/pictures/picture_catalogue.h"

#include <cmath>

#include "tools/pictures/colour.h"
#include "tools/pictures/noise.h"

namespace pictures {
namespace {

constexpr int kSize = 32;
constexpr double kCentre = kSize / 2.0;
// Radius where the smoke ends, before the lumps push it out or pull it in.
constexpr double kRadius = 12.5;
// The lumps move the edge by at most this fraction of the radius, so even the largest lump
// (12.5 / 0.82, about 15.2 pixels) ends inside the border pixels' centres (15.5 pixels).
constexpr double kLumpiness = 0.18;
constexpr double kPeak = 0.96;  // a touch below white: bright, never glaring

constexpr FractalNoise kLumps{.octaves = 3, .seed = 7};
constexpr FractalNoise kWisps{.octaves = 4, .gain = 0.55, .seed = 9};

double puffBrightness(double x, double y) {
    const double dx = x - kCentre;
    const double dy = y - kCentre;
    const double distance = std::sqrt(dx * dx + dy * dy);

    // Lumps on the outline: coarse noise bulges or dents the edge.
    const double lump = fractalNoise(kLumps, x / 9.0, y / 9.0);
    const double edge = kRadius / (1.0 - kLumpiness * lump);
    if (distance >= edge) {
        return 0.0;
    }

    // A dome that reaches zero with zero slope, so there is no visible rim.
    const double r = distance / edge;
    const double dome = (1.0 - r * r) * (1.0 - r * r);

    // Denser and thinner wisps inside, strongest towards the outside where smoke breaks up.
    const double wisps = fractalNoise(kWisps, x / 5.0 + 40.0, y / 5.0 + 40.0);
    const double texture = 1.0 + (0.12 + 0.2 * r) * wisps;
    return clamp01(kPeak * dome * texture);
}

}  // namespace

Picture makePuffPicture() {
    Picture picture(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const std::uint8_t level = toByte(puffBrightness(x + 0.5, y + 0.5));
            picture.set(x, y, {level, level, level});
        }
    }
    return picture;
}

}  // namespace pictures
