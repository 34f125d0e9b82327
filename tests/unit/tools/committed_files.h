#pragma once
// The generated files committed in the source tree, read the way the product reads them, and
// the comparison that tells whether a committed picture still shows what is drawn today.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "tests/support/whole_files.h"
#include "tools/pictures/picture.h"

namespace committed {

using pictures::Picture;
using pictures::Rgba;

inline std::vector<std::uint8_t> readFile(const std::string& pathInSource) {
    const std::string bytes = readWholeFile(std::string(SORAVANE_SOURCE_DIR) + "/" + pathInSource);
    return {bytes.begin(), bytes.end()};
}

// A bitmap as the scene's decoder reads it, or every image of an icon of 32-bit images; none
// when the file cannot be read. Rows come bottom first: nothing here depends on their order.
inline std::vector<Picture> readPictures(const std::vector<std::uint8_t>& bytes, bool icon) {
    std::vector<Picture> pictures;
    if (!icon) {
        if (const BitmapDecodeResult bitmap = decodeBitmap(bytes); bitmap.image) {
            const RgbImage& image = *bitmap.image;
            pictures.emplace_back(image.width, image.height);
            for (int i = 0; i < image.width * image.height; ++i) {
                const std::uint8_t* rgb = &image.pixels[static_cast<std::size_t>(i) * 3];
                pictures[0].set(i % image.width, i / image.width, {rgb[0], rgb[1], rgb[2], 255});
            }
        }
        return pictures;
    }
    const auto field = [&](std::size_t at) {  // 32 bits, little-endian
        return std::size_t{bytes.at(at)} | std::size_t{bytes.at(at + 1)} << 8 |
               std::size_t{bytes.at(at + 2)} << 16 | std::size_t{bytes.at(at + 3)} << 24;
    };
    for (int image = 0; bytes.size() >= 6 && image < (bytes[4] | bytes[5] << 8); ++image) {
        const std::size_t header = field(6 + 16 * image + 12);  // its BITMAPINFOHEADER
        const auto width = static_cast<int>(field(header + 4));
        const auto height = static_cast<int>(field(header + 8) / 2);  // colour and mask rows
        pictures.emplace_back(width, height);
        for (int i = 0; i < width * height; ++i) {
            const std::size_t at = header + 40 + static_cast<std::size_t>(i) * 4;
            pictures.back().set(
                i % width, i / width,
                {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at), bytes.at(at + 3)});
        }
    }
    return pictures;
}

// The committed picture file `name` still shows what `fresh` (the file as generated today)
// shows. Compilers, C libraries and Mesa versions may round differently, so the pictures need
// only agree within half a level on average in each channel, with fewer than 0.5 % of the
// pixels off by more than 32 levels: a changed recipe or input goes beyond that unless it only
// touches a few rows faintly.
inline void expectCommittedPicturesMatch(const std::string& name,
                                         const std::vector<std::uint8_t>& fresh) {
    const bool icon = name.ends_with(".ico");
    const std::vector<Picture> committed = readPictures(readFile("saver/resources/" + name), icon);
    const std::vector<Picture> drawn = readPictures(fresh, icon);
    ASSERT_FALSE(drawn.empty()) << name << ": the fresh file cannot be read";
    ASSERT_EQ(committed.size(), drawn.size()) << name << " is missing or stale";
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Picture& a = committed[i];
        const Picture& b = drawn[i];
        ASSERT_TRUE(a.width() == b.width() && a.height() == b.height()) << name << " is stale";
        const int pixels = b.width() * b.height();
        std::array<double, 4> meanDifference{};  // red, green, blue, alpha
        double farOff = 0;
        for (int at = 0; at < pixels; ++at) {
            const Rgba p = a.at(at % b.width(), at / b.width());
            const Rgba q = b.at(at % b.width(), at / b.width());
            const std::array<int, 4> differences = {
                std::abs(p.red - q.red), std::abs(p.green - q.green), std::abs(p.blue - q.blue),
                std::abs(p.alpha - q.alpha)};
            for (std::size_t channel = 0; channel < 4; ++channel) {
                meanDifference[channel] += differences[channel] / static_cast<double>(pixels);
            }
            farOff += *std::max_element(differences.begin(), differences.end()) > 32;
        }
        EXPECT_TRUE(*std::max_element(meanDifference.begin(), meanDifference.end()) < 0.5 &&
                    farOff / pixels < 0.005)
            << name << " is stale: regenerate it (tools/README.md)";
    }
}

}  // namespace committed
