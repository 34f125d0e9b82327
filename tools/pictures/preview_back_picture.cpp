#include "tools/pictures/picture_catalogue.h"

#include <cmath>

#include "tools/pictures/colour.h"
#include "tools/pictures/noise.h"
#include "tools/pictures/rounded_box.h"

namespace pictures {
namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr int kSamples = 4;  // per side of a pixel, for the panels' edges

constexpr Colour kDeepTop = fromBytes(3, 8, 24);
constexpr Colour kDeepBottom = fromBytes(4, 22, 46);
constexpr Colour kHaze = fromBytes(20, 70, 120);

constexpr Colour kCyan = fromBytes(70, 210, 255);
constexpr Colour kBlue = fromBytes(50, 110, 255);
constexpr Colour kTeal = fromBytes(40, 230, 210);
constexpr Colour kIce = fromBytes(150, 200, 255);

struct Panel {
    Box box;
    Colour colour;
    double fill;  // the light of the panel's glass
    double rim;   // the light of its edge
    double glow;  // the halo it casts round itself
};

// Larger panels sit further back and glow more faintly.
constexpr Panel kPanels[] = {
    {{12, 16, 86, 68}, kBlue, 0.16, 0.55, 0.30}, {{58, 42, 140, 98}, kCyan, 0.13, 0.60, 0.30},
    {{98, 10, 142, 34}, kIce, 0.20, 0.70, 0.25}, {{8, 76, 50, 102}, kTeal, 0.18, 0.65, 0.25},
    {{36, 30, 72, 50}, kCyan, 0.22, 0.80, 0.20}, {{106, 62, 132, 78}, kIce, 0.28, 0.90, 0.20},
    {{18, 6, 64, 9}, kCyan, 0.70, 0.70, 0.35},   {{90, 104, 146, 106}, kTeal, 0.65, 0.60, 0.30},
};

constexpr double kCornerRadius = 2.5;

// Light a panel adds at a point: its glass inside, brighter towards its top and towards its
// edge as lit glass is, its rim, and a halo that falls off as the inverse square of the
// distance beyond it.
Colour panelLight(const Panel& panel, double y, double distance) {
    const double onRim = std::fabs(distance) < 0.6 ? 1.0 : 0.0;
    if (distance < 0.0) {
        const double height = panel.box.bottom - panel.box.top;
        const double sheen = 1.0 + 0.8 * clamp01(1.0 - (y - panel.box.top) / height);
        const double edgeGlow = 1.0 + 1.5 / (1.0 + distance * distance / 4.0);
        return panel.colour * (panel.fill * sheen * edgeGlow + onRim * panel.rim);
    }
    const double halo = panel.glow / (1.0 + distance * distance / 9.0);
    return panel.colour * (onRim * panel.rim + halo);
}

// Colours past full brightness roll off gently to white instead of clipping.
double rollOff(double value) {
    constexpr double kKnee = 0.75;
    if (value <= kKnee) {
        return value;
    }
    const double over = (value - kKnee) / (1.0 - kKnee);
    return kKnee + (1.0 - kKnee) * over / (1.0 + over);
}

Colour background(double x, double y) {
    const Colour deep = mix(kDeepTop, kDeepBottom, y / kHeight);
    // A faint cloud of light behind the panels keeps the dark from looking flat.
    const double cloud = 0.5 + 0.5 * fractalNoise({.octaves = 3, .seed = 4242}, x / 40.0, y / 40.0);
    return mix(deep, kHaze, 0.25 * cloud * cloud);
}

}  // namespace

Picture makePreviewBackPicture() {
    Picture picture(kWidth, kHeight);
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            Colour sum;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const double x = px + (i + 0.5) / kSamples;
                    const double y = py + (j + 0.5) / kSamples;
                    Colour colour = background(x, y);
                    for (const Panel& panel : kPanels) {
                        const double distance = roundedBoxDistance(x, y, panel.box, kCornerRadius);
                        colour = colour + panelLight(panel, y, distance);
                    }
                    sum = sum + colour;
                }
            }
            const Colour mean = sum * (1.0 / (kSamples * kSamples));
            picture.set(px, py,
                        toRgba({rollOff(mean.red), rollOff(mean.green), rollOff(mean.blue)}));
        }
    }
    return picture;
}

}  // namespace pictures
