#include "tools/pictures/picture_catalogue.h"

#include <array>
#include <cstdint>

#include "tools/pictures/colour.h"
#include "tools/pictures/noise.h"

namespace pictures {
namespace {

constexpr int kWidth = 556;
constexpr int kHeight = 20;

constexpr Colour kMetal = fromBytes(206, 208, 212);
constexpr Colour kBrushedLight = fromBytes(226, 228, 232);
constexpr Colour kBrushedDark = fromBytes(184, 187, 192);

// Every row has its own scratches along the whole strip, repeating with the strip's width.
double rowScratches(int row, double x) {
    const auto seed = static_cast<std::uint32_t>(700 + row);
    const double longGrain = loopedNoise({.octaves = 3, .seed = seed}, x, kWidth, 90.0);
    const double fineGrain = loopedNoise({.octaves = 3, .seed = seed + 100u}, x, kWidth, 14.0);
    return 0.6 * longGrain + 0.4 * fineGrain;
}

// A brush leaves grooves a little wider than one row: each row shares some of its neighbours'
// scratches. Rows are counted round the strip, so the bottom row's neighbour is the top row.
double brushed(const std::array<double, kHeight>& scratches, int row) {
    const double above = scratches[(row + kHeight - 1) % kHeight];
    const double below = scratches[(row + 1) % kHeight];
    return 0.25 * above + 0.5 * scratches[row] + 0.25 * below;
}

}  // namespace

Picture makeMetalStripPicture() {
    // Soft, wide bands of sheen down the strip, also repeating with its height.
    std::array<double, kHeight> sheen{};
    for (int row = 0; row < kHeight; ++row) {
        sheen[row] = loopedNoise({.octaves = 2, .seed = 690}, row, kHeight, 10.0);
    }

    Picture picture(kWidth, kHeight);
    std::array<double, kHeight> scratches{};
    for (int x = 0; x < kWidth; ++x) {
        for (int row = 0; row < kHeight; ++row) {
            scratches[row] = rowScratches(row, x);
        }
        for (int row = 0; row < kHeight; ++row) {
            const double streak = 1.6 * brushed(scratches, row) + 0.25 * sheen[row];
            const Colour colour = streak >= 0.0 ? mix(kMetal, kBrushedLight, clamp01(streak))
                                                : mix(kMetal, kBrushedDark, clamp01(-streak));
            picture.set(x, row, toRgba(colour));
        }
    }
    return picture;
}

}  // namespace pictures
