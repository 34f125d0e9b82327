#pragma once
// The arithmetic of drawing a Command button, in pixels of the control's real size: where the
// eight skin pieces go, where the caption label sits, and the two colours of the face gradient.
#include <array>
#include <cstdint>

#include "saver/runtime/geometry.h"

// One piece of the skin ring: copied from `source` in the skin picture to `destination` in the
// control, stretched when the sizes differ.
struct SkinPiece {
    PixelRect destination;
    PixelRect source;

    friend bool operator==(const SkinPiece&, const SkinPiece&) = default;
};

// The eight pieces in drawing order: top-left corner, top edge, top-right corner, right edge,
// bottom-right corner, bottom edge, bottom-left corner, left edge.
//
// Corners stay 4 x 4 pixels at any size and only the edges stretch. A control narrower (or
// lower) than two corners has no room for edges: its left and right corners share the width,
// the left one taking the smaller half, each cropped from its outer side so that the rounded
// outline survives; the edges then come out empty. Painters skip empty pieces.
std::array<SkinPiece, 8> SkinPieces(int controlWidth, int controlHeight);

// Top of the caption label in pixels: (H - label height - 20 twips) / 2, worked out in twips
// as the control's layout is given, then rounded to the nearest pixel.
int CaptionTop(int controlHeight, int labelHeight, double twipsPerPixel);

// A colour of the face gradient as GradientFill takes it: 16-bit channels with the 8-bit value
// in the high byte.
struct FaceColour {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;

    friend bool operator==(const FaceColour&, const FaceColour&) = default;
};

struct FaceGradient {
    FaceColour top;
    FaceColour bottom;
};

// White over light lavender grey (C6C5D7): darker at the bottom normally, darker at the top
// when `invertFace` (the pointer over an unfocused button).
FaceGradient FaceGradientColours(bool invertFace);
