#include "tools/pictures/noise.h"

#include <cmath>
#include <numbers>

#include "tools/pictures/colour.h"

namespace pictures {
namespace {

std::uint32_t hashLattice(std::int32_t ix, std::int32_t iy, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 0x8DA6B343u ^
                      static_cast<std::uint32_t>(iy) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    // Integer finaliser with good avalanche: every input bit affects every output bit.
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Eight unit gradients; a table keeps the noise free of trigonometry.
constexpr double kDiagonal = 0.7071067811865476;
constexpr double kGradients[8][2] = {
    {1.0, 0.0},
    {-1.0, 0.0},
    {0.0, 1.0},
    {0.0, -1.0},
    {kDiagonal, kDiagonal},
    {-kDiagonal, kDiagonal},
    {kDiagonal, -kDiagonal},
    {-kDiagonal, -kDiagonal},
};

double cornerContribution(std::int32_t ix, std::int32_t iy, double dx, double dy,
                          std::uint32_t seed) {
    const double* g = kGradients[hashLattice(ix, iy, seed) & 7u];
    return g[0] * dx + g[1] * dy;
}

// Quintic fade: continuous first and second derivatives across cell borders.
double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

// Smooth gradient noise on the plane, roughly -1..1, 0 at every integer lattice point.
// Different seeds give unrelated patterns.
double gradientNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const double dx = x - fx;
    const double dy = y - fy;

    const double n00 = cornerContribution(ix, iy, dx, dy, seed);
    const double n10 = cornerContribution(ix + 1, iy, dx - 1.0, dy, seed);
    const double n01 = cornerContribution(ix, iy + 1, dx, dy - 1.0, seed);
    const double n11 = cornerContribution(ix + 1, iy + 1, dx - 1.0, dy - 1.0, seed);

    const double u = fade(dx);
    const double v = fade(dy);
    // Unit gradients reach about +-0.7 in 2D; stretch that to about +-1.
    return 1.4 * mix(mix(n00, n10, u), mix(n01, n11, u), v);
}

}  // namespace

FilteredNoise filteredFractalNoise(const FractalNoise& settings, double x, double y,
                                   double footprint) {
    // A rotation by about 36.87 degrees (a 3-4-5 triangle) and a shift between octaves, so
    // their lattices never line up.
    constexpr double kCos = 0.8;
    constexpr double kSin = 0.6;
    constexpr double kShift = 19.19;

    double sum = 0.0;
    double shownAmplitude = 0.0;
    double totalAmplitude = 0.0;
    double amplitude = 1.0;
    double frequency = 1.0;
    for (int octave = 0; octave < settings.octaves; ++octave) {
        // A lattice cell is about one feature; once a pixel covers a third of a cell the
        // octave can no longer be drawn faithfully, and by two thirds it is gone.
        const double cellsPerPixel = footprint * frequency;
        const double visible = 1.0 - smoothstep(0.33, 0.67, cellsPerPixel);
        if (visible > 0.0) {
            sum += amplitude * visible *
                   gradientNoise(x, y, settings.seed + static_cast<std::uint32_t>(octave));
            shownAmplitude += amplitude * visible;
        }
        totalAmplitude += amplitude;

        const double rotatedX = kCos * x - kSin * y;
        const double rotatedY = kSin * x + kCos * y;
        x = rotatedX * settings.lacunarity + kShift;
        y = rotatedY * settings.lacunarity + kShift;
        amplitude *= settings.gain;
        frequency *= settings.lacunarity;
    }
    if (totalAmplitude <= 0.0) {
        return {};
    }
    return {sum / totalAmplitude, shownAmplitude / totalAmplitude};
}

double fractalNoise(const FractalNoise& settings, double x, double y, double footprint) {
    return filteredFractalNoise(settings, x, y, footprint).value;
}

double loopedNoise(const FractalNoise& settings, double position, double period,
                   double featureLength) {
    // The circle's circumference holds period / featureLength lattice cells.
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    const double radius = period / featureLength / kTwoPi;
    const double angle = kTwoPi * position / period;
    return fractalNoise(settings, radius * std::cos(angle), radius * std::sin(angle));
}

}  // namespace pictures
