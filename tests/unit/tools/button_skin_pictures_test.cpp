// The Command button's skin pictures: their size, the colours of their rings as the button's
// design lists them (outer margin, frame, inner bands), and their rounded corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "tools/pictures/skin_pictures.h"

namespace {

using pictures::Rgb;
using pictures::RgbPicture;

constexpr Rgb Hex(std::uint32_t rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

// One side of the ring, outermost pixel first.
using Side = std::array<std::uint32_t, 4>;

struct SkinColours {
    const char* file;
    RgbPicture (*make)();
    Side top, bottom, left, right;
    int frame;  // the frame line's distance from the edge
};

const SkinColours kSkins[] = {
    {"skin_normal.bmp",
     pictures::makeNormalSkinPicture,
     {0xDCD6C2, 0x003C74, 0xF3F3EE, 0xF3F3EE},
     {0xFAFAF6, 0x003C74, 0xD6D0C5, 0xE2DFD6},
     {0xE2DECB, 0x003C74, 0xF4F4F0, 0xF4F4F0},
     {0xF0EEE0, 0x003C74, 0xE8E5DF, 0xEEEDE7},
     1},
    {"skin_highlight.bmp",
     pictures::makeHighLightSkinPicture,
     {0xDCD6C2, 0x003C74, 0xFFF0CF, 0xFDD889},
     {0xFAFAF6, 0x003C74, 0xE59700, 0xF8B330},
     {0xE2DECB, 0x003C74, 0xFCCA69, 0xFBCA6A},
     {0xF0EEE0, 0x003C74, 0xFBCA6A, 0xFCCA69},
     1},
    {"skin_selected.bmp",
     pictures::makeSelectedSkinPicture,
     {0xDCD6C2, 0x003C74, 0xCEE7FF, 0xCEE7FF},
     {0xFAFAF6, 0x003C74, 0x6982EE, 0x6982EE},
     {0xE2DECB, 0x003C74, 0xA9C5EF, 0xA8C6F0},
     {0xF0EEE0, 0x003C74, 0xA8C6F0, 0xA9C5EF},
     1},
    {"skin_pressed.bmp",
     pictures::makePressedSkinPicture,
     {0xECE9D8, 0xDCD6C2, 0x003C74, 0xD1CCC1},
     {0xECE9D8, 0xFAFAF6, 0x003C74, 0xF2F1EE},
     {0xECE9D8, 0xE2DECB, 0x003C74, 0xD7D4CB},
     {0xECE9D8, 0xF0EEE0, 0x003C74, 0xE4E3DC},
     2},
    {"skin_disable.bmp",
     pictures::makeDisableSkinPicture,
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
     1},
};

TEST(ButtonSkinPictures, TheStraightRingHasTheDesignsColoursOnEverySide) {
    for (const SkinColours& skin : kSkins) {
        const RgbPicture picture = skin.make();
        ASSERT_EQ(picture.width(), 64) << skin.file;
        ASSERT_EQ(picture.height(), 25) << skin.file;
        for (int depth = 0; depth < 4; ++depth) {
            // Everywhere along the edges between the corners.
            for (int x = 4; x < 60; ++x) {
                EXPECT_EQ(picture.at(x, depth), Hex(skin.top[depth])) << skin.file << " " << x;
                EXPECT_EQ(picture.at(x, 24 - depth), Hex(skin.bottom[depth])) << skin.file;
            }
            for (int y = 4; y < 21; ++y) {
                EXPECT_EQ(picture.at(depth, y), Hex(skin.left[depth])) << skin.file << " " << y;
                EXPECT_EQ(picture.at(63 - depth, y), Hex(skin.right[depth])) << skin.file;
            }
        }
    }
}

// Whether `c` lies strictly between `a` and `b` in every channel that differs.
bool Between(Rgb c, Rgb a, Rgb b) {
    const auto inside = [](int v, int from, int to) {
        return from == to ? v == from : std::min(from, to) < v && v < std::max(from, to);
    };
    return inside(c.red, a.red, b.red) && inside(c.green, a.green, b.green) &&
           inside(c.blue, a.blue, b.blue) && !(c == a) && !(c == b);
}

TEST(ButtonSkinPictures, InEveryCornerTheFrameBendsThroughBlendedShades) {
    for (const SkinColours& skin : kSkins) {
        const RgbPicture picture = skin.make();
        const Rgb frame = Hex(skin.top[skin.frame]);
        const Rgb margin = Hex(skin.top[skin.frame - 1]);
        // Corners as (x, y) of their outermost pixel and the direction inwards.
        for (const auto& [x0, y0, dx, dy] :
             {std::array{0, 0, 1, 1}, std::array{63, 0, -1, 1}, std::array{0, 24, 1, -1},
              std::array{63, 24, -1, -1}}) {
            // Where the straight frame lines would cross, the rounded frame is not.
            EXPECT_FALSE(picture.at(x0 + dx * skin.frame, y0 + dy * skin.frame) == frame)
                << skin.file << " corner " << x0 << "," << y0;
            int blends = 0;
            for (int j = 0; j < 4; ++j) {
                for (int i = 0; i < 4; ++i) {
                    const Rgb c = picture.at(x0 + dx * i, y0 + dy * j);
                    // Against whichever side's margin lies nearer; the top's will do for a
                    // frame that differs from it in every channel.
                    blends += Between(c, frame, margin) ? 1 : 0;
                }
            }
            EXPECT_GE(blends, 2) << skin.file << " corner " << x0 << "," << y0;
        }
    }
}

}  // namespace
