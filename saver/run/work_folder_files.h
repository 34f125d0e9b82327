#pragma once
// The work folder's files for a run: the mirrored desktop, the two built-in pictures and the
// jet model, each written whole or not at all (SwapInFile).
#include <string>

#include "saver/runtime/picture_surface.h"

// Takes the desktop snapshot into `ground` (already sized to the screen's client area; an
// empty one is written as nothing) and writes it, `puff`, `sky` and a copy of `model` into the
// work folder. The built-in pictures and the model are written on a thread of their own while
// the screen is copied, which mostly waits for the display. Every failure is ignored and the
// next file is written: the scene program then finds older files or none.
void WriteWorkFolderFiles(PictureSurface& ground, const PictureSurface& puff,
                          const PictureSurface& sky, const std::string& model);
