#pragma once
// The desktop's icons, 32 x 32 pixels each with a caption beneath, as the system arranges them
// down the left edge of the screen.
#include <cstdint>

#include "tools/pictures/colour.h"

namespace pictures::desktop {

enum class IconKind { Computer, Folder, Globe, RecycleBin, Document };

// The icon with its top-left corner at (left, top) and its caption centred below it.
void drawDesktopIcon(Canvas& canvas, IconKind kind, int left, int top, std::uint32_t captionSeed);

}  // namespace pictures::desktop
