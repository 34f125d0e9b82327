#pragma once
// Rounded boxes for the interface pictures, measured point by point: a recipe samples them as
// finely as its edges need.

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

}  // namespace pictures
