#include "tools/pictures/skin_pictures.h"

#include <cstdint>

#include "tools/pictures/skin_ring.h"

namespace pictures {
namespace {

constexpr Rgba hex(std::uint32_t rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

constexpr SkinLayer all(std::uint32_t rrggbb) {
    return {hex(rrggbb), hex(rrggbb), hex(rrggbb), hex(rrggbb)};
}

// Top, bottom, left, right.
constexpr SkinLayer sides(std::uint32_t top, std::uint32_t bottom, std::uint32_t left,
                          std::uint32_t right) {
    return {hex(top), hex(bottom), hex(left), hex(right)};
}

// Where a band of two pixels has two colours, they run top to bottom and left to right as one
// looks at the picture: the bottom band's second colour and the right band's second colour lie
// against the frame, where the button's shading is deepest.
constexpr SkinLayer kMargin = sides(0xDCD6C2, 0xFAFAF6, 0xE2DECB, 0xF0EEE0);
constexpr SkinLayer kFrame = all(0x003C74);

constexpr SkinRing kNormal = {
    kMargin,
    kFrame,
    sides(0xF3F3EE, 0xD6D0C5, 0xF4F4F0, 0xE8E5DF),
    sides(0xF3F3EE, 0xE2DFD6, 0xF4F4F0, 0xEEEDE7),
};

constexpr SkinRing kHighLight = {
    kMargin,
    kFrame,
    sides(0xFFF0CF, 0xE59700, 0xFCCA69, 0xFBCA6A),
    sides(0xFDD889, 0xF8B330, 0xFBCA6A, 0xFCCA69),
};

constexpr SkinRing kSelected = {
    kMargin,
    kFrame,
    sides(0xCEE7FF, 0x6982EE, 0xA9C5EF, 0xA8C6F0),
    sides(0xCEE7FF, 0x6982EE, 0xA8C6F0, 0xA9C5EF),
};

// Pressed sinks by a pixel: the dialog's colour outermost, the usual margin inside it, the
// frame as the third pixel from each edge and one pixel of shadow and light within.
constexpr SkinRing kPressed = {
    all(0xECE9D8),
    kMargin,
    kFrame,
    sides(0xD1CCC1, 0xF2F1EE, 0xD7D4CB, 0xE4E3DC),
};

constexpr SkinRing kDisable = {
    all(0xECE9D8),
    all(0xC9C7BA),
    all(0xF5F4EA),
    all(0xF5F4EA),
};

}  // namespace

Picture makeNormalSkinPicture() {
    return paintSkinPicture(kNormal);
}

Picture makeHighLightSkinPicture() {
    return paintSkinPicture(kHighLight);
}

Picture makeSelectedSkinPicture() {
    return paintSkinPicture(kSelected);
}

Picture makePressedSkinPicture() {
    return paintSkinPicture(kPressed);
}

Picture makeDisableSkinPicture() {
    return paintSkinPicture(kDisable);
}

}  // namespace pictures
