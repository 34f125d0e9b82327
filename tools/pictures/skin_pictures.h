#pragma once
// The Command button's skin pictures, 64 x 25 pixels each: one per look of the button. The
// button draws only their 4-pixel rings (see skin_ring.h); HighLightSelect uses HighLight's.
#include "tools/pictures/rgb_picture.h"

namespace pictures {

RgbPicture makeNormalSkinPicture();
RgbPicture makeHighLightSkinPicture();
RgbPicture makeSelectedSkinPicture();
RgbPicture makePressedSkinPicture();
RgbPicture makeDisableSkinPicture();

}  // namespace pictures
