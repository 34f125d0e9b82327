#pragma once
// The Command button's skin pictures are rings of four one-pixel layers along the border of a
// 64 x 25 picture, each layer with its own colour on the top, bottom, left and right side. In
// the 4 x 4 corners the layers bend round quarter circles, so the frame line is rounded and
// its corner pixels blend the frame with the layers beside it.
#include <array>

#include "tools/pictures/picture.h"

namespace pictures {

inline constexpr int kSkinPictureWidth = 64;
inline constexpr int kSkinPictureHeight = 25;
inline constexpr int kSkinRingWidth = 4;

struct SkinLayer {
    Rgba top;
    Rgba bottom;
    Rgba left;
    Rgba right;
};

// Outermost layer first.
using SkinRing = std::array<SkinLayer, kSkinRingWidth>;

// The picture of one skin. The middle, which the button never shows, holds the button's face
// gradient, so that the picture looks like the button it makes.
Picture paintSkinPicture(const SkinRing& ring);

}  // namespace pictures
