#pragma once
// A made-up Windows desktop, 1600 x 1200 pixels: a teal-blue background with icons down the
// left, four overlapping windows and the task bar. The scene tiles the real desktop as its
// ground; the preview picture is rendered over this one instead.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makeDesktopPicture();

}  // namespace pictures
