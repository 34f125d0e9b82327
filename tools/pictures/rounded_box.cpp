#include "tools/pictures/rounded_box.h"

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

}  // namespace pictures
