#pragma once
// Colour arithmetic in linear 0..1 channels, rounded to bytes only when a pixel is stored.
#include "tools/pictures/rgb_picture.h"
#include "tools/pictures/shaping.h"

namespace pictures {

struct Colour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

constexpr Colour operator+(Colour a, Colour b) {
    return {a.red + b.red, a.green + b.green, a.blue + b.blue};
}

constexpr Colour operator*(Colour c, double factor) {
    return {c.red * factor, c.green * factor, c.blue * factor};
}

constexpr Colour mix(Colour from, Colour to, double amount) {
    return {mix(from.red, to.red, amount), mix(from.green, to.green, amount),
            mix(from.blue, to.blue, amount)};
}

// A colour given as bytes, for palettes that read like a paint program's.
constexpr Colour fromBytes(int red, int green, int blue) {
    return {red / 255.0, green / 255.0, blue / 255.0};
}

constexpr std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(clamp01(channel) * 255.0 + 0.5);
}

constexpr Rgb toRgb(Colour c) {
    return {toByte(c.red), toByte(c.green), toByte(c.blue)};
}

}  // namespace pictures
