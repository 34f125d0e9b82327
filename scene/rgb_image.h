#pragma once
// A decoded picture: tightly packed red, green, blue bytes, rows of width x 3 bytes with no
// padding, the bottom row first.
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

// The rows of a 24-bit picture where they lie, bottom row first, read in place: a decoded
// picture's (red, green, blue, rows of width x 3 bytes) or a bitmap file's own (blue, green,
// red, each row padded to a whole 32-bit word).
struct RgbRows {
    const uint8_t* bottom = nullptr;  // the bottom row's first byte
    size_t stride = 0;                // bytes from one row to the next
    int32_t width = 0;
    int32_t height = 0;
    bool blueFirst = false;  // each pixel's bytes are blue, green, red

    // Pixel x of row y (x < width, y < height), its three bytes in the rows' order.
    const uint8_t* pixel(int32_t x, int32_t y) const {
        return bottom + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3;
    }
};

inline RgbRows rowsOf(const RgbImage& picture) {
    return {picture.pixels.data(), static_cast<size_t>(picture.width) * 3, picture.width,
            picture.height, false};
}
