#pragma once
// The sky the scene wraps round the inside of its sky sphere: 512 x 512 pixels, clouds in blue
// and pale pink tones. Its left and right edges join without a seam, and along its top and
// bottom rows (the poles) the colour changes only gently.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makeSkyPicture();

}  // namespace pictures
