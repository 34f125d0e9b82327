#pragma once
// The desktop snapshot that becomes the scene's ground: the whole primary screen as it looks
// when the saver starts, mirrored left to right, in Skymere_S's Pic_1.
#include <windows.h>

#include "saver/runtime/picture_surface.h"

// Copies the top-left Width() x Height() pixels of `source` into `picture`, mirrored left to
// right: column x of the picture gets column Width() - 1 - x of the source, rows unchanged,
// nothing scaled. False without a source or a picture; false also when the copy fails, and
// the picture is then black.
bool CopyMirrored(HDC source, PictureSurface& picture);

// The desktop, mirrored, into `picture`, which has been sized to the screen. When the
// desktop cannot be read the picture is black.
bool TakeDesktopSnapshot(PictureSurface& picture);
