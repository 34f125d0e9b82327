#include "tools/pictures/skin_ring.h"

#include <algorithm>
#include <cstdint>

namespace pictures {
namespace {

// Samples per pixel along each axis. Positions are counted in half-samples, so every sample
// sits at an odd count and never exactly on a layer boundary, and all sums are integers.
constexpr int kSamples = 8;
constexpr int kUnit = 2 * kSamples;  // one pixel in half-samples

// The face gradient of the button, white at the top to C6C5D7 at the bottom.
constexpr Rgba kFaceTop{0xFF, 0xFF, 0xFF};
constexpr Rgba kFaceBottom{0xC6, 0xC5, 0xD7};

// The colour under one sample point (in half-samples). The distance to the nearest point of
// the picture's inner rectangle, inset by the ring, gives the layer: straight along the edges,
// a quarter circle in the corners. Beyond the outer circle the outermost layer goes on.
Rgba ringColour(const SkinRing& ring, int x, int y) {
    const int left = kSkinRingWidth * kUnit;
    const int right = (kSkinPictureWidth - kSkinRingWidth) * kUnit;
    const int top = kSkinRingWidth * kUnit;
    const int bottom = (kSkinPictureHeight - kSkinRingWidth) * kUnit;
    const int dx = x - std::clamp(x, left, right);
    const int dy = y - std::clamp(y, top, bottom);
    const int distanceSquared = dx * dx + dy * dy;

    int layer = 0;
    for (int inner = 1; inner < kSkinRingWidth; ++inner) {
        const int boundary = (kSkinRingWidth - inner) * kUnit;
        if (distanceSquared < boundary * boundary) {
            layer = inner;
        }
    }
    // The sides meet on the corners' diagonals.
    const SkinLayer& colours = ring[static_cast<std::size_t>(layer)];
    if (dy * dy >= dx * dx) {
        return dy < 0 ? colours.top : colours.bottom;
    }
    return dx < 0 ? colours.left : colours.right;
}

Rgba averagedRingColour(const SkinRing& ring, int px, int py) {
    int red = 0;
    int green = 0;
    int blue = 0;
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            const Rgba c = ringColour(ring, px * kUnit + 2 * i + 1, py * kUnit + 2 * j + 1);
            red += c.red;
            green += c.green;
            blue += c.blue;
        }
    }
    constexpr int kCount = kSamples * kSamples;
    return {static_cast<std::uint8_t>((red + kCount / 2) / kCount),
            static_cast<std::uint8_t>((green + kCount / 2) / kCount),
            static_cast<std::uint8_t>((blue + kCount / 2) / kCount)};
}

std::uint8_t faceChannel(int from, int to, int y) {
    constexpr int kLast = kSkinPictureHeight - 1;
    return static_cast<std::uint8_t>((from * (kLast - y) + to * y + kLast / 2) / kLast);
}

bool inRing(int x, int y) {
    return x < kSkinRingWidth || y < kSkinRingWidth || x >= kSkinPictureWidth - kSkinRingWidth ||
           y >= kSkinPictureHeight - kSkinRingWidth;
}

}  // namespace

Picture paintSkinPicture(const SkinRing& ring) {
    Picture picture(kSkinPictureWidth, kSkinPictureHeight);
    for (int y = 0; y < kSkinPictureHeight; ++y) {
        const Rgba face{faceChannel(kFaceTop.red, kFaceBottom.red, y),
                        faceChannel(kFaceTop.green, kFaceBottom.green, y),
                        faceChannel(kFaceTop.blue, kFaceBottom.blue, y)};
        for (int x = 0; x < kSkinPictureWidth; ++x) {
            picture.set(x, y, inRing(x, y) ? averagedRingColour(ring, x, y) : face);
        }
    }
    return picture;
}

}  // namespace pictures
