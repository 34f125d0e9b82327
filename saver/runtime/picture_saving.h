#pragma once
// Saving a picture box's persistent image as a Windows BMP file: the 14-byte file header, a
// BITMAPINFOHEADER, and the uncompressed 24-bit rows, bottom row first.
#include <string_view>

#include "saver/runtime/picture_surface.h"

// Writes the image to `path` (UTF-8), replacing an older file. The file is written beside
// the target first and then put in its place, so a failure (a full disk, a read-only or
// locked older file, a missing folder) leaves any older file as it was. An older file is not
// deleted but moved aside, to "<path>.old": deleting a file of a screen's size can cost more
// than writing it, so RemoveOldPicture does that later, when nothing waits for it. False on
// failure and for an empty surface.
bool SavePicture(const PictureSurface& picture, std::string_view path);

// Deletes the older file that saving a picture to `path` moved aside, if there is one.
void RemoveOldPicture(std::string_view path);
