#pragma once
// Small 24-bit bottom-up BMP files for tests that need pictures on disk, encoded as the
// built-in pictures are.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/file_bytes.h"
#include "tools/pictures/picture_files.h"

struct TestRgb {
    uint8_t r, g, b;
};

// The bytes of a BMP file; `colourAt(x, y)` gives the colour of column x, row y counted from
// the top.
inline std::vector<uint8_t> encodeTestBmp(int width, int height,
                                          const std::function<TestRgb(int, int)>& colourAt) {
    pictures::Picture picture(width, height);
    for (int i = 0; i < width * height; ++i) {
        const TestRgb colour = colourAt(i % width, i / width);
        picture.set(i % width, i / width, {colour.r, colour.g, colour.b});
    }
    return pictures::encodeBmp(picture);
}

inline bool writeTestBmp(const std::string& path, int width, int height,
                         const std::function<TestRgb(int, int)>& colourAt) {
    return tools::writeFileBytes(path, encodeTestBmp(width, height, colourAt));
}

inline bool writeSolidTestBmp(const std::string& path, int width, int height, TestRgb colour) {
    return writeTestBmp(path, width, height, [=](int, int) { return colour; });
}
