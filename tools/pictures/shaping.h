#pragma once
// Small shaping functions shared by the picture recipes. Only +, -, *, / and comparisons, so a
// picture comes out byte for byte the same on every build.

namespace pictures {

constexpr double clamp01(double value) {
    return value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value);
}

constexpr double mix(double from, double to, double amount) {
    return from + (to - from) * amount;
}

// 0 below edge0, 1 above edge1, a smooth cubic between.
constexpr double smoothstep(double edge0, double edge1, double value) {
    const double t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace pictures
