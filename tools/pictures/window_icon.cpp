#include "tools/pictures/picture_catalogue.h"

#include <array>
#include <span>

#include "tools/pictures/colour.h"
#include "tools/pictures/rounded_box.h"

namespace pictures {
namespace {

constexpr int kSamples = 8;  // per side of a pixel

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Even-odd rule: true when the point lies inside the closed polygon.
bool insidePolygon(std::span<const Point2> corners, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point2& a = corners[i];
        const Point2& b = corners[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

constexpr Colour kSkyTop = fromBytes(150, 214, 255);
constexpr Colour kSkyBottom = fromBytes(28, 108, 214);
constexpr Colour kRim = fromBytes(16, 70, 160);
constexpr Colour kJet = fromBytes(252, 253, 255);
constexpr Colour kJetShadow = fromBytes(10, 50, 130);

// The jet seen from above, nose up, in units of the icon's width centred on (0, 0): the right
// half from the nose round to the exhaust; the left half mirrors it.
constexpr std::array<Point2, 11> kRightHalf = {{
    {0.0, -0.47},   // nose
    {0.05, -0.30},  // cockpit
    {0.06, -0.10},  // wing root, leading edge
    {0.40, 0.12},   // wing tip
    {0.40, 0.20},
    {0.08, 0.15},  // wing root, trailing edge
    {0.08, 0.27},  // tailplane root
    {0.22, 0.40},  // tailplane tip
    {0.22, 0.46},
    {0.06, 0.43},
    {0.04, 0.47},  // exhaust
}};

// The whole outline, turned 45 degrees to the right so the jet climbs towards the upper right.
std::array<Point2, 2 * kRightHalf.size()> jetOutline() {
    constexpr double kCos = 0.7071067811865476;
    std::array<Point2, 2 * kRightHalf.size()> outline{};
    for (std::size_t i = 0; i < kRightHalf.size(); ++i) {
        outline[i] = kRightHalf[i];
        const Point2 mirrored = kRightHalf[kRightHalf.size() - 1 - i];
        outline[kRightHalf.size() + i] = {-mirrored.x, mirrored.y};
    }
    for (Point2& point : outline) {
        point = {kCos * (point.x - point.y), kCos * (point.x + point.y)};
    }
    return outline;
}

struct Sample {
    Colour colour;
    double alpha = 0.0;
};

Sample iconSample(double x, double y, int size, std::span<const Point2> jet) {
    // Round enough that even at 16 pixels the corner pixels stay fully transparent.
    const double radius = size * 0.22;
    const double distance = roundedBoxDistance(x, y, {0.0, 0.0, 1.0 * size, 1.0 * size}, radius);
    if (distance >= 0.0) {
        return {};
    }
    Colour colour = mix(kSkyTop, kSkyBottom, y / size);
    // A darker rim, one pixel wide at any size, keeps the square crisp on light title bars.
    if (distance > -1.0) {
        colour = mix(colour, kRim, 0.6);
    }
    const double scale = 0.84 * size;
    const double u = (x - 0.5 * size) / scale;
    const double v = (y - 0.5 * size) / scale;
    const double shadowOffset = 0.045;
    if (insidePolygon(jet, u - shadowOffset, v - shadowOffset)) {
        colour = mix(colour, kJetShadow, 0.35);
    }
    if (insidePolygon(jet, u, v)) {
        colour = kJet;
    }
    return {colour, 1.0};
}

Picture makeWindowIcon(int size) {
    const auto jet = jetOutline();
    Picture icon(size, size, {0, 0, 0, 0});
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            // Averaged with each sample weighted by its opacity, so edge pixels keep the
            // square's colour rather than darkening towards the transparent ground.
            Colour weighted;
            double alpha = 0.0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const Sample sample =
                        iconSample(px + (i + 0.5) / kSamples, py + (j + 0.5) / kSamples, size, jet);
                    weighted = weighted + sample.colour * sample.alpha;
                    alpha += sample.alpha;
                }
            }
            if (alpha > 0.0) {
                icon.set(px, py, toRgba(weighted * (1.0 / alpha), alpha / (kSamples * kSamples)));
            }
        }
    }
    return icon;
}

}  // namespace

std::vector<Picture> makeWindowIconImages() {
    return {makeWindowIcon(16), makeWindowIcon(32)};
}

}  // namespace pictures
