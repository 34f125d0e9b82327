#pragma once
// The settings dialog's check boxes, 12 x 12 pixels each, shown beside the captions on the
// light metal panel: an empty box (white face sunk into a grey-blue frame) and the same box
// holding a blue square.
#include "tools/pictures/picture.h"

namespace pictures {

Picture makeEmptyBoxPicture();
Picture makeCheckedBoxPicture();

}  // namespace pictures
