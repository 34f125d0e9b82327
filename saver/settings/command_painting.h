#pragma once
// Painting a Command button with GDI: its look into the persistent image (face gradient and
// skin ring), and its caption, the label LblMsg, over that when the window is shown.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "saver/runtime/picture_surface.h"
#include "saver/settings/command_properties.h"

// One look into `image`, which has the control's size: the image is cleared, the face gradient
// fills the whole control (GradientFill, vertical), then the eight pieces of the 64 x 25
// `skinPicture` go round it. False when the image is empty or the skin has no picture; the
// image is then left as it was.
bool DrawSkinImage(PictureSurface& image, HDC skinPicture, bool invertFace);

struct CaptionStyle {
    HFONT font = nullptr;
    COLORREF colour = 0;
    bool enabled = true;
};

// LblMsg: the caption in a box as wide as the control at its computed top, centred, on a
// transparent background; embossed grey, as the platform shows disabled text, when disabled.
void DrawCaption(HDC dc, SIZE control, std::wstring_view caption, const CaptionStyle& style,
                 double twipsPerPixel);

// The caption's font at the screen's resolution; the caller deletes it. Null when GDI cannot
// make it.
HFONT CreateCaptionFont(const CommandFont& font);

// A colour as the control keeps it (0x00BBGGRR, or a system colour index with the top bit set,
// as the forms run-time writes them) for GDI.
COLORREF CaptionColourRef(std::uint32_t colour);
