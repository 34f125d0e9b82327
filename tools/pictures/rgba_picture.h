#pragma once
// A picture with a transparency channel, for icons: 8 bits per channel, top row first,
// alpha 0 fully transparent to 255 opaque, colours not premultiplied.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

class RgbaPicture {
public:
    // A fully transparent picture of the given size.
    RgbaPicture(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }

    Rgba at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Rgba colour) { pixels_[index(x, y)] = colour; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

}  // namespace pictures
