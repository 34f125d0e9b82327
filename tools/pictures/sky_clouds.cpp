#include "tools/pictures/sky_clouds.h"

#include <cmath>
#include <optional>

#include "tools/pictures/noise.h"

namespace pictures::sky {
namespace {

constexpr Colour kCloudLit = fromBytes(255, 246, 244);
constexpr Colour kCloudSunRim = fromBytes(255, 212, 194);
constexpr Colour kCloudShadow = fromBytes(150, 150, 192);
constexpr Colour kStratus = fromBytes(250, 222, 230);

// Elevations (as sines) over which clouds emerge from the horizon's haze.
constexpr double kCloudsEmerge = 0.004;
constexpr double kCloudsFull = 0.05;

// The deck bends down away from the viewer, as decks over a round Earth do, so that clouds
// near the horizon keep some height instead of flattening into threads: a ray meets it at
// horizontal distance ring / (up + kDeckBend) heights instead of ring / up.
constexpr double kDeckBend = 0.12;

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
std::optional<DeckPatch> deckPatch(const Vector3& direction, double height,
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

// Heights of the decks in units of the cumulus base; only their ratio matters.
constexpr double kCumulusHeight = 1.0;
constexpr double kStratusHeight = 2.5;

constexpr FractalNoise kWarpX{.octaves = 4, .seed = 1101};
constexpr FractalNoise kWarpZ{.octaves = 4, .seed = 2203};
constexpr FractalNoise kBillows{.octaves = 6, .gain = 0.52, .seed = 3307};
constexpr FractalNoise kCoverage{.octaves = 3, .seed = 4409};
constexpr double kWarpScale = 0.5;
constexpr double kWarpStrength = 0.35;
constexpr double kBillowScale = 1.0;
constexpr double kCoverageScale = 0.3;

constexpr FractalNoise kStreaks{.octaves = 5, .seed = 5501};
constexpr FractalNoise kStreakPatches{.octaves = 3, .seed = 6607};

struct Cumulus {
    double density = 0.0;    // 0 clear .. 1 opaque
    double thickness = 0.0;  // 0 at the fringe .. 1 deep inside a big cloud
};

// Cumulus at a point of its deck: billowy noise, its coordinates swirled by a coarser noise so
// the clouds curl instead of looking like plain fractal blobs, cut off at a threshold that
// varies across the sky so there are cloud banks and open blue gaps.
Cumulus cumulusAt(double x, double z, double footprint) {
    const double warpX =
        fractalNoise(kWarpX, x * kWarpScale, z * kWarpScale, footprint * kWarpScale);
    const double warpZ =
        fractalNoise(kWarpZ, x * kWarpScale, z * kWarpScale, footprint * kWarpScale);
    const double qx = x + kWarpStrength * warpX;
    const double qz = z + kWarpStrength * warpZ;
    const FilteredNoise billows = filteredFractalNoise(kBillows, qx * kBillowScale,
                                                       qz * kBillowScale, footprint * kBillowScale);
    const double coverage =
        0.5 + 0.5 * fractalNoise(kCoverage, x * kCoverageScale, z * kCoverageScale,
                                 footprint * kCoverageScale);
    const double threshold = mix(0.12, -0.30, coverage);
    // Where the footprint has blurred the billows away, the edge widens in step, so a distant
    // field of clouds turns into an even, partly covered band instead of speckle.
    const double blur = 0.5 * (1.0 - billows.detail);
    return {smoothstep(threshold - blur, threshold + 0.35 + blur, billows.value),
            smoothstep(threshold + 0.2, threshold + 0.8, billows.value)};
}

CloudCover shadeCumulus(double x, double z, double footprint, Colour sunlit) {
    const Cumulus cloud = cumulusAt(x, z, footprint);
    if (cloud.density <= 0.0) {
        return {};
    }
    // Light from the low sun: where the cloud thins out towards the sun it is lit, where it
    // thickens towards the sun the cloud shades itself.
    constexpr double kLightProbe = 0.12;
    const Cumulus towardsSun =
        cumulusAt(x + kSunX * kLightProbe, z + kSunZ * kLightProbe, footprint);
    const double lit = clamp01(0.5 + 3.0 * (cloud.density - towardsSun.density));

    Colour colour = mix(kCloudShadow, sunlit, lit);
    // Deep cores swallow light; thin fringes let it through and glow.
    colour = mix(colour, kCloudShadow, 0.45 * cloud.thickness);
    colour = mix(colour, sunlit, 0.6 * (1.0 - cloud.density));
    return {colour, cloud.density};
}

// Thin streaks drawn out along the wind, which blows along (0.8, 0.6), gathered in patches.
CloudCover shadeStratus(double x, double z, double footprint, Colour tint) {
    const double along = 0.8 * x + 0.6 * z;
    const double across = -0.6 * x + 0.8 * z;
    const double streaks = fractalNoise(kStreaks, along * 0.25, across * 0.9, footprint * 0.9);
    const double patches =
        0.5 + 0.5 * fractalNoise(kStreakPatches, along * 0.2, across * 0.2, footprint * 0.2);
    const double wisps = smoothstep(0.0, 0.5, streaks) * smoothstep(0.3, 0.7, patches);
    return {tint, 0.55 * wisps};
}

}  // namespace

CloudCover cumulusCover(const Vector3& direction, const PixelAngles& pixel) {
    const std::optional<DeckPatch> patch = deckPatch(direction, kCumulusHeight, pixel);
    if (!patch) {
        return {};
    }
    const double facing = sunwardness(direction);
    const Colour sunlit = mix(kCloudLit, kCloudSunRim, 0.7 * facing * facing);
    return averageOverPatch(*patch, [&](double x, double z, double footprint) {
        return shadeCumulus(x, z, footprint, sunlit);
    });
}

CloudCover stratusCover(const Vector3& direction, const PixelAngles& pixel) {
    const std::optional<DeckPatch> patch = deckPatch(direction, kStratusHeight, pixel);
    if (!patch) {
        return {};
    }
    const Colour tint = mix(kStratus, kCloudSunRim, 0.5 * sunwardness(direction));
    return averageOverPatch(*patch, [&](double x, double z, double footprint) {
        return shadeStratus(x, z, footprint, tint);
    });
}

}  // namespace pictures::sky
