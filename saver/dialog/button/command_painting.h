#pragma once
// Painting a Command button with GDI: its look into the persistent image (face gradient and
// skin ring), and its caption, the label LblMsg, over that when the window is shown.
#include <windows.h>

#include <string_view>

#include "saver/runtime/picture_surface.h"

// One look into `image`, which has the control's size: the image is cleared, the face gradient
// fills the whole control (GradientFill, vertical), then the eight pieces of the 64 x 25
// `skinPicture` go round it. False when the image is empty or the skin has no picture; the
// image is then left as it was.
bool DrawSkinImage(PictureSurface& image, HDC skinPicture, bool invertFace);

// LblMsg: the caption in `font` in a box as wide as the control at its computed top, centred,
// on a transparent background; black when enabled, embossed grey as the platform shows
// disabled text when not.
void DrawCaption(HDC dc, SIZE control, std::wstring_view caption, HFONT font, bool enabled,
                 double twipsPerPixel);

// The caption's font, ＭＳ Ｐゴシック 9.75 points with the Japanese character set, at the
// screen's resolution; the caller deletes it. Null when GDI cannot make it.
HFONT CreateCaptionFont();
