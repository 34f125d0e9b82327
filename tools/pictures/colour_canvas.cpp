#include "tools/pictures/colour_canvas.h"

namespace pictures {

ColourCanvas::ColourCanvas(int width, int height, Colour background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, background) {}

void ColourCanvas::blend(int x, int y, Colour colour, double opacity) {
    if (!contains(x, y) || opacity <= 0.0) {
        return;
    }
    Colour& pixel = pixels_[index(x, y)];
    pixel = mix(pixel, colour, clamp01(opacity));
}

void ColourCanvas::add(int x, int y, Colour light) {
    if (!contains(x, y)) {
        return;
    }
    Colour& pixel = pixels_[index(x, y)];
    pixel = pixel + light;
}

RgbPicture ColourCanvas::toPicture() const {
    RgbPicture picture(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            picture.set(x, y, toRgb(at(x, y)));
        }
    }
    return picture;
}

}  // namespace pictures
