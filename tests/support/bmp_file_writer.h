#pragma once
// Writes small 24-bit bottom-up BMP files for tests that need pictures on disk.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

struct TestRgb {
    uint8_t r, g, b;
};

// The bytes of a BMP file; `colourAt(x, y)` gives the colour of column x, row y counted from
// the top.
inline std::vector<uint8_t> encodeTestBmp(int width, int height,
                                          const std::function<TestRgb(int, int)>& colourAt) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> file(54 + imageBytes, 0);
    const auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    file[26] = 1;   // planes
    file[28] = 24;  // bits per pixel
    put32(34, imageBytes);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &file[54 + static_cast<size_t>(height - 1 - y) * rowBytes];
        for (int x = 0; x < width; ++x) {
            const TestRgb colour = colourAt(x, y);
            row[x * 3] = colour.b;
            row[x * 3 + 1] = colour.g;
            row[x * 3 + 2] = colour.r;
        }
    }
    return file;
}

inline bool writeTestBmp(const std::string& path, int width, int height,
                         const std::function<TestRgb(int, int)>& colourAt) {
    const std::vector<uint8_t> file = encodeTestBmp(width, height, colourAt);
    return static_cast<bool>(std::ofstream(path, std::ios::binary)
                                 .write(reinterpret_cast<const char*>(file.data()),
                                        static_cast<std::streamsize>(file.size())));
}

inline bool writeSolidTestBmp(const std::string& path, int width, int height, TestRgb colour) {
    return writeTestBmp(path, width, height, [=](int, int) { return colour; });
}
