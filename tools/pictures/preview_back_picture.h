#pragma once
// The control panel's preview background, 152 x 112 pixels: translucent panels glowing in blues
// and cyans over a dark, deep blue ground.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makePreviewBackPicture();

}  // namespace pictures
