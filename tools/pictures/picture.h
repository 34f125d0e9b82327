#pragma once
// Pictures in memory, top row first: stored pictures of bytes with or without transparency,
// and the linear canvases recipes paint on before rounding.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

// 8 bits per channel; alpha 0 is fully transparent, 255 opaque, colours not premultiplied.
struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

template <typename Pixel>
class Raster {
public:
    Raster(int width, int height, Pixel fill = {})
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    const Pixel& at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Pixel pixel) { pixels_[index(x, y)] = pixel; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

// Opaque black unless filled otherwise; a BMP file keeps the colours, an icon the alpha too.
using Picture = Raster<Rgba>;

}  // namespace pictures
