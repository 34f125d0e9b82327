#include "tools/pictures/shapes.h"

#include <algorithm>
#include <cmath>

namespace pictures {

double roundedBoxDistance(double x, double y, const Box& box, double radius) {
    // Distance to the box shrunk by the radius, less the radius.
    const double halfWidth = (box.right - box.left) / 2.0 - radius;
    const double halfHeight = (box.bottom - box.top) / 2.0 - radius;
    const double dx = std::fabs(x - (box.left + box.right) / 2.0) - halfWidth;
    const double dy = std::fabs(y - (box.top + box.bottom) / 2.0) - halfHeight;
    const double outsideX = std::max(dx, 0.0);
    const double outsideY = std::max(dy, 0.0);
    const double outside = std::sqrt(outsideX * outsideX + outsideY * outsideY);
    return outside + std::min(std::max(dx, dy), 0.0) - radius;
}

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

}  // namespace pictures
