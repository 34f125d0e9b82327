#include "tools/pictures/cloud_deck.h"

#include <cmath>

namespace pictures::sky {
namespace {

// Elevations (as sines) over which clouds emerge from the horizon's haze.
constexpr double kCloudsEmerge = 0.004;
constexpr double kCloudsFull = 0.05;

// The deck bends down away from the viewer, as decks over a round Earth do, so that clouds
// near the horizon keep some height instead of flattening into threads: a ray meets it at
// horizontal distance ring / (up + kDeckBend) heights instead of ring / up.
constexpr double kDeckBend = 0.12;

}  // namespace

std::optional<DeckPatch> deckPatch(const SkyDirection& direction, double height,
                                   const PixelAngles& pixel) {
    const double up = direction.y;
    if (up <= kCloudsEmerge) {
        return std::nullopt;
    }
    const double reach = height / (up + kDeckBend);  // ray length to the bent deck
    const double ring = std::sqrt(direction.x * direction.x + direction.z * direction.z);

    DeckPatch patch;
    patch.x = direction.x * reach;
    patch.z = direction.z * reach;
    if (ring > 0.0) {
        patch.awayX = direction.x / ring;
        patch.awayZ = direction.z / ring;
    }
    // Tilting the ray by one pixel moves its hit by the derivative of ring / (up + bend) with
    // respect to the elevation, which is (1 + bend * up) / (up + bend)^2; turning it by one pixel
    // moves the hit by its horizontal distance times the angle.
    const double lift = up + kDeckBend;
    patch.along = height * pixel.vertical * (1.0 + kDeckBend * up) / (lift * lift);
    // Round the zenith a pixel is a thin wedge; letting its width fall below its height would
    // only keep detail that the pole's ring squeezes into a pinched star.
    const double wedge = reach * ring * pixel.azimuth;
    const double narrowest = reach * pixel.vertical;
    patch.across = wedge > narrowest ? wedge : narrowest;
    patch.presence = smoothstep(kCloudsEmerge, kCloudsFull, up);
    return patch;
}

}  // namespace pictures::sky
