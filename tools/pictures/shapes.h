#pragma once
// Flat shapes for the interface pictures, tested point by point: a recipe samples them as
// finely as its edges need.
#include <span>

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

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Even-odd rule: true when the point lies inside the closed polygon.
bool insidePolygon(std::span<const Point2> corners, double x, double y);

}  // namespace pictures
