#pragma once
// Flat shapes for the interface pictures, painted with antialiased edges.
#include <span>

#include "tools/pictures/colour.h"

namespace pictures {

// A rectangle in pixel units; its edges lie between pixels, so pixel (x, y) covers
// [x, x + 1) x [y, y + 1).
struct Box {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// Signed distance from the point to a box whose corners are rounded with the given radius:
// negative inside, positive outside, in pixels.
double roundedBoxDistance(double x, double y, const Box& box, double radius);

// How much of a pixel an edge at this signed distance from its centre covers: a one-pixel ramp,
// enough to antialias straight and gently curved edges.
constexpr double edgeCoverage(double distance) {
    return clamp01(0.5 - distance);
}

// Paints a box with rounded corners; shade(x, y) gives the colour at pixel (x, y).
template <typename Shade>
void fillRoundedBox(Canvas& canvas, const Box& box, double radius, Shade shade,
                    double opacity = 1.0) {
    for (int y = static_cast<int>(box.top) - 1; y <= static_cast<int>(box.bottom); ++y) {
        for (int x = static_cast<int>(box.left) - 1; x <= static_cast<int>(box.right); ++x) {
            const double coverage = edgeCoverage(roundedBoxDistance(x + 0.5, y + 0.5, box, radius));
            if (coverage > 0.0) {
                blend(canvas, x, y, shade(x, y), coverage * opacity);
            }
        }
    }
}

// Paints the whole pixels left <= x < right, top <= y < bottom in one colour.
void fillPixels(Canvas& canvas, int left, int top, int right, int bottom, Colour colour,
                double opacity = 1.0);

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Even-odd rule: true when the point lies inside the closed polygon.
bool insidePolygon(std::span<const Point2> corners, double x, double y);

// The share of pixel (x, y) inside the polygon, from a grid of samples x samples points.
double polygonCoverage(std::span<const Point2> corners, int x, int y, int samples);

}  // namespace pictures
