#pragma once
// The saver's window icon: a white jet climbing to the upper right across a sky-blue rounded
// square, drawn with soft edges on a transparent ground.
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

// The icon at size x size pixels.
Picture makeWindowIcon(int size);

// The sizes the icon file carries: 16 x 16 for title bars, 32 x 32 for Alt+Tab.
std::vector<Picture> makeWindowIconImages();

}  // namespace pictures
