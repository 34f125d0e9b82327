#pragma once
// The Command button's skin pictures, 64 x 25 pixels each: one per look of the button. The
// button draws only their 4-pixel rings (see skin_ring.h); HighLightSelect uses HighLight's.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makeNormalSkinPicture();
Picture makeHighLightSkinPicture();
Picture makeSelectedSkinPicture();
Picture makePressedSkinPicture();
Picture makeDisableSkinPicture();

}  // namespace pictures
