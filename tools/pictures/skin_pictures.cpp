// The Command button's skin pictures, 64 x 25 each, one per look of the button. The button
// draws only their rings of four one-pixel layers along the border, each layer with its own
// colour on the top, bottom, left and right side. In the 4 x 4 corners the layers bend round
// quarter circles, so the frame line is rounded and its corner pixels blend the frame with the
// layers beside it. HighLightSelect uses HighLight's picture.
#include <algorithm>
#include <array>
#include <cstdint>

#include "tools/pictures/picture_catalogue.h"

namespace pictures {
namespace {

constexpr int kSkinPictureWidth = 64;
constexpr int kSkinPictureHeight = 25;
constexpr int kSkinRingWidth = 4;

// One layer's colours, as 0xRRGGBB, on its top, bottom, left and right side.
using SkinLayer = std::array<std::uint32_t, 4>;

// Outermost layer first.
using SkinRing = std::array<SkinLayer, kSkinRingWidth>;

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
std::uint32_t ringColour(const SkinRing& ring, int x, int y) {
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
        return dy < 0 ? colours[0] : colours[1];
    }
    return dx < 0 ? colours[2] : colours[3];
}

Rgba averagedRingColour(const SkinRing& ring, int px, int py) {
    std::array<int, 3> sums{};  // red, green, blue
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            const std::uint32_t c =
                ringColour(ring, px * kUnit + 2 * i + 1, py * kUnit + 2 * j + 1);
            for (std::size_t channel = 0; channel < 3; ++channel) {
                sums[channel] += static_cast<int>(c >> (16 - 8 * channel) & 0xFF);
            }
        }
    }
    constexpr int kCount = kSamples * kSamples;
    const auto mean = [&](std::size_t channel) {
        return static_cast<std::uint8_t>((sums[channel] + kCount / 2) / kCount);
    };
    return {mean(0), mean(1), mean(2)};
}

std::uint8_t faceChannel(int from, int to, int y) {
    constexpr int kLast = kSkinPictureHeight - 1;
    return static_cast<std::uint8_t>((from * (kLast - y) + to * y + kLast / 2) / kLast);
}

bool inRing(int x, int y) {
    return x < kSkinRingWidth || y < kSkinRingWidth || x >= kSkinPictureWidth - kSkinRingWidth ||
           y >= kSkinPictureHeight - kSkinRingWidth;
}

// The middle, which the button never shows, holds the button's face gradient, so that the
// picture looks like the button it makes.
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

constexpr SkinLayer all(std::uint32_t rrggbb) {
    return {rrggbb, rrggbb, rrggbb, rrggbb};
}

// Where a band of two pixels has two colours, they run top to bottom and left to right as one
// looks at the picture: the bottom band's second colour and the right band's second colour lie
// against the frame, where the button's shading is deepest.
constexpr SkinLayer kMargin = {0xDCD6C2, 0xFAFAF6, 0xE2DECB, 0xF0EEE0};
constexpr SkinLayer kFrame = all(0x003C74);

constexpr SkinRing kNormal = {kMargin, kFrame, SkinLayer{0xF3F3EE, 0xD6D0C5, 0xF4F4F0, 0xE8E5DF},
                              SkinLayer{0xF3F3EE, 0xE2DFD6, 0xF4F4F0, 0xEEEDE7}};

constexpr SkinRing kHighLight = {kMargin, kFrame, SkinLayer{0xFFF0CF, 0xE59700, 0xFCCA69, 0xFBCA6A},
                                 SkinLayer{0xFDD889, 0xF8B330, 0xFBCA6A, 0xFCCA69}};

constexpr SkinRing kSelected = {kMargin, kFrame, SkinLayer{0xCEE7FF, 0x6982EE, 0xA9C5EF, 0xA8C6F0},
                                SkinLayer{0xCEE7FF, 0x6982EE, 0xA8C6F0, 0xA9C5EF}};

// Pressed sinks by a pixel: the dialog's colour outermost, the usual margin inside it, the
// frame as the third pixel from each edge and one pixel of shadow and light within.
constexpr SkinRing kPressed = {all(0xECE9D8), kMargin, kFrame,
                               SkinLayer{0xD1CCC1, 0xF2F1EE, 0xD7D4CB, 0xE4E3DC}};

constexpr SkinRing kDisable = {all(0xECE9D8), all(0xC9C7BA), all(0xF5F4EA), all(0xF5F4EA)};

}  // namespace

Picture makeNormalSkinPicture() {
    return paintSkinPicture(kNormal);
}

Picture makeHighLightSkinPicture() {
    return paintSkinPicture(kHighLight);
}

Picture makeSelectedSkinPicture() {
    return paintSkinPicture(kSelected);
}

Picture makePressedSkinPicture() {
    return paintSkinPicture(kPressed);
}

Picture makeDisableSkinPicture() {
    return paintSkinPicture(kDisable);
}

}  // namespace pictures
