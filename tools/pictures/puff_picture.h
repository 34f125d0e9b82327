#pragma once
// The smoke puff: 32 x 32 pixels, a soft, slightly lumpy white-grey puff on black. The scene adds
// it onto the picture, so black means "no smoke"; the border stays pure black so the square
// around the puff never shows.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makePuffPicture();

}  // namespace pictures
