#pragma once
// A decoded picture as the texture uploads take it: tightly packed red, green, blue bytes,
// rows of width x 3 bytes with no padding, the bottom row first.
#include <cstdint>
#include <vector>

struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};
