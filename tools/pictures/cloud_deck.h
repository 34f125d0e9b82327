#pragma once
// A horizontal cloud deck seen from the dome's centre. Painting clouds on decks rather than on
// the picture itself gives clouds that shrink and crowd towards the horizon, that meet
// seamlessly where the picture's left and right edges join (both edges look the same way), and
// that flow smoothly through the zenith.
#include <optional>

#include "tools/pictures/colour.h"
#include "tools/pictures/sky_dome.h"

namespace pictures::sky {

// The angle one pixel of the picture spans, in radians, up-down and round the horizon.
struct PixelAngles {
    double vertical = 0.0;
    double azimuth = 0.0;
};

struct CloudCover {
    Colour colour;
    double opacity = 0.0;  // 0 clear sky .. 1 the cloud hides the sky behind it
};

// The patch of deck one pixel covers. Towards the horizon it grows long and thin: long away
// from the viewer, narrow across.
struct DeckPatch {
    double x = 0.0;  // centre, in the units of the deck's height
    double z = 0.0;
    double awayX = 0.0;  // unit vector along the ground, away from the viewer
    double awayZ = 0.0;
    double along = 0.0;
    double across = 0.0;
    double presence = 0.0;  // 1 well above the horizon, fading to 0 just above it
};

// The patch the pixel looking in `direction` sees on a deck at `height`; none at or below the
// horizon and where the deck is too far away to show anything but haze.
std::optional<DeckPatch> deckPatch(const SkyDirection& direction, double height,
                                   const PixelAngles& pixel);

// Averages shade(x, z, footprint) over the patch. A long patch is split into several square-ish
// pieces along its length so that distant clouds blur only along the view direction, as the eye
// sees them, instead of dissolving altogether. Colours are averaged weighted by opacity.
template <typename Shade>
CloudCover averageOverPatch(const DeckPatch& patch, Shade shade) {
    constexpr int kMostPieces = 12;
    int pieces = static_cast<int>(patch.along / patch.across);
    pieces = pieces < 1 ? 1 : (pieces > kMostPieces ? kMostPieces : pieces);
    const double pieceLength = patch.along / pieces;
    const double footprint = 2.0 * (pieceLength > patch.across ? pieceLength : patch.across);

    Colour weightedColour;
    double opacity = 0.0;
    for (int piece = 0; piece < pieces; ++piece) {
        const double offset = ((piece + 0.5) / pieces - 0.5) * patch.along;
        const CloudCover cover =
            shade(patch.x + patch.awayX * offset, patch.z + patch.awayZ * offset, footprint);
        weightedColour = weightedColour + cover.colour * cover.opacity;
        opacity += cover.opacity;
    }
    if (opacity <= 0.0) {
        return {};
    }
    return {weightedColour * (1.0 / opacity), opacity / pieces * patch.presence};
}

}  // namespace pictures::sky
