#pragma once
// A picture being painted in linear 0..1 colours: layers are blended at full precision and only
// the finished picture is rounded to bytes.
#include <vector>

#include "tools/pictures/colour.h"
#include "tools/pictures/rgb_picture.h"

namespace pictures {

class ColourCanvas {
public:
    ColourCanvas(int width, int height, Colour background = {});

    int width() const { return width_; }
    int height() const { return height_; }

    // Row y = 0 is the top row.
    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Colour colour) { pixels_[index(x, y)] = colour; }

    // Lays `colour` over the pixel with the given opacity (0..1); pixels off the canvas are
    // left alone, so shapes may overhang the edges.
    void blend(int x, int y, Colour colour, double opacity);

    // Adds light: glows and highlights brighten what lies below instead of covering it.
    void add(int x, int y, Colour light);

    RgbPicture toPicture() const;

private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

}  // namespace pictures
