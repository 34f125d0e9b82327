#pragma once
// Values and colours in linear 0..1 channels, rounded to bytes only when a pixel is stored, and
// the canvas recipes paint on: its layers blend at full precision.
#include "tools/pictures/picture.h"

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

constexpr Colour fromBytes(Rgba pixel) {
    return fromBytes(pixel.red, pixel.green, pixel.blue);
}

constexpr std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(clamp01(channel) * 255.0 + 0.5);
}

constexpr Rgba toRgba(Colour c, double alpha = 1.0) {
    return {toByte(c.red), toByte(c.green), toByte(c.blue), toByte(alpha)};
}

using Canvas = Raster<Colour>;

// Lays `colour` over the pixel with the given opacity (0..1); pixels off the canvas are left
// alone, so shapes may overhang the edges.
inline void blend(Canvas& canvas, int x, int y, Colour colour, double opacity) {
    if (canvas.contains(x, y) && opacity > 0.0) {
        canvas.set(x, y, mix(canvas.at(x, y), colour, clamp01(opacity)));
    }
}

inline Picture toPicture(const Canvas& canvas) {
    Picture picture(canvas.width(), canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            picture.set(x, y, toRgba(canvas.at(x, y)));
        }
    }
    return picture;
}

}  // namespace pictures
