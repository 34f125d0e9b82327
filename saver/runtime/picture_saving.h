#pragma once
// Saving a picture box's persistent image as a Windows BMP file: the 14-byte file header, a
// BITMAPINFOHEADER, and the uncompressed 24-bit rows, bottom row first.
#include <string_view>

#include "saver/runtime/picture_surface.h"

// Writes the image to `path` (UTF-8), replacing an older file. The file is written beside
// the target first and then swapped in (SwapInFile: the older file waits aside until
// RemoveSwappedOutFile), so a failure (a full disk, a read-only or locked older file, a
// missing folder) leaves any older file as it was. False on failure and for an empty surface.
bool SavePicture(const PictureSurface& picture, std::string_view path);
