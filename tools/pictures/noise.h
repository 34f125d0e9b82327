#pragma once
// Deterministic noise for the picture recipes: our own integer hash and gradient noise, so the
// pictures never depend on a library's random numbers.
#include <cstdint>

namespace pictures {

struct FractalNoise {
    int octaves = 5;
    double lacunarity = 2.0;  // frequency factor from one octave to the next
    double gain = 0.5;        // amplitude factor from one octave to the next
    std::uint32_t seed = 0;
};

// Octaves of gradient noise, each finer one rotated against the last to hide the lattice,
// normalised so the result stays roughly within -1..1.
//
// footprint is the width of one output pixel in the input's units. Octaves whose features are
// too small for the pixel to show fade to their mean instead of aliasing into speckle, which
// matters where a picture compresses a large area into a few pixels (a sky near the horizon).
double fractalNoise(const FractalNoise& settings, double x, double y, double footprint = 0.0);

struct FilteredNoise {
    double value = 0.0;
    double detail = 1.0;  // share of the octaves' amplitude still shown, 1 when nothing faded
};

// fractalNoise, also telling how much of the pattern survived the footprint's filtering; a
// shape cut out of filtered noise should soften its edge by what was lost.
FilteredNoise filteredFractalNoise(const FractalNoise& settings, double x, double y,
                                   double footprint);

// Fractal noise along a closed loop of the given period, for tiled pictures whose opposite
// edges must join: loopedNoise(p) and loopedNoise(p + period) are the same. The loop is a
// circle through the noise plane, so there is no seam and no visible repetition within one
// period; featureLength is the typical size of its largest features, in position's units.
double loopedNoise(const FractalNoise& settings, double position, double period,
                   double featureLength);

}  // namespace pictures
