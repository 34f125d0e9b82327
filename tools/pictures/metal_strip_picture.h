#pragma once
// The settings dialog's panel texture: 556 x 20 pixels of light-grey brushed metal, streaked
// along its length. The panel is tiled with it in both directions, so its left and right
// columns join, and so do its top and bottom rows.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makeMetalStripPicture();

}  // namespace pictures
