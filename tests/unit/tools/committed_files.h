#pragma once
// The generated files committed in the source tree, read the way the product reads them, and
// the comparison that tells whether one still holds what its generator makes today.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "tools/pictures/picture.h"

namespace committed {

using pictures::Rgba;
using Picture = pictures::Picture;

inline std::vector<std::uint8_t> readFile(const std::string& pathInSource) {
    std::ifstream file(std::filesystem::path(SORAVANE_SOURCE_DIR) / pathInSource, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A bitmap as the scene's decoder reads it, or every image of an icon of 32-bit images; no
// picture at all when the file cannot be read.
inline std::vector<Picture> readPictures(const std::vector<std::uint8_t>& bytes, bool icon) {
    std::vector<Picture> pictures;
    if (!icon) {
        const BitmapDecodeResult bitmap = decodeBitmap(bytes);
        if (bitmap.image) {
            const RgbImage& image = *bitmap.image;  // the bottom row first
            pictures.emplace_back(image.width, image.height);
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    const auto at = (static_cast<std::size_t>(image.height - 1 - y) * image.width +
                                     static_cast<std::size_t>(x)) *
                                    3;
                    pictures.back().set(
                        x, y, {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2], 255});
                }
            }
        }
        return pictures;
    }
    const auto field = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
        }
        return value;
    };
    for (std::uint32_t i = 0; bytes.size() >= 6 && i < field(4, 2); ++i) {
        const std::size_t header = field(6 + 16 * i + 12, 4);  // the image's BITMAPINFOHEADER
        const auto width = static_cast<int>(field(header + 4, 4));
        const auto height = static_cast<int>(field(header + 8, 4) / 2);  // colour and mask rows
        pictures.emplace_back(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at =
                    header + 40 + (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
                pictures.back().set(
                    x, y, {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at), bytes.at(at + 3)});
            }
        }
    }
    return pictures;
}

inline Picture committedPicture(const std::string& name) {
    const std::vector<Picture> pictures = readPictures(readFile("saver/resources/" + name), false);
    return pictures.empty() ? Picture(0, 0) : pictures.front();
}

// The committed picture file still shows what is drawn afresh (`fresh`, the encoded file).
// Rounding may differ between compilers, C libraries and Mesa versions, so the pictures need
// only agree within half a level per channel on average, with fewer than 0.5 % of the pixels
// off by more than 32 levels; any real change of a recipe or its inputs moves far more.
inline void expectCommittedPicturesMatch(const std::string& name,
                                         const std::vector<std::uint8_t>& fresh) {
    const bool icon = name.ends_with(".ico");
    const std::vector<Picture> committed = readPictures(readFile("saver/resources/" + name), icon);
    const std::vector<Picture> drawn = readPictures(fresh, icon);
    ASSERT_FALSE(drawn.empty()) << name << ": the fresh file cannot be read";
    ASSERT_EQ(committed.size(), drawn.size()) << name << " is missing or stale";
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        ASSERT_EQ(committed[i].width(), drawn[i].width()) << name;
        ASSERT_EQ(committed[i].height(), drawn[i].height()) << name;
        std::array<long, 4> sums{};
        long farOff = 0;
        for (int y = 0; y < drawn[i].height(); ++y) {
            for (int x = 0; x < drawn[i].width(); ++x) {
                const Rgba a = committed[i].at(x, y);
                const Rgba b = drawn[i].at(x, y);
                const std::array<int, 4> differences = {
                    std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue),
                    std::abs(a.alpha - b.alpha)};
                for (std::size_t channel = 0; channel < 4; ++channel) {
                    sums[channel] += differences[channel];
                }
                farOff += *std::max_element(differences.begin(), differences.end()) > 32;
            }
        }
        const double pixels = static_cast<double>(drawn[i].width()) * drawn[i].height();
        EXPECT_LT(*std::max_element(sums.begin(), sums.end()) / pixels, 0.5)
            << name << " is stale: run the update target its README names";
        EXPECT_LT(farOff, 0.005 * pixels) << name << " is stale";
    }
}

}  // namespace committed
