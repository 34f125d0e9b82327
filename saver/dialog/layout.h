#pragma once
// The settings dialog's geometry as plain arithmetic: the control table in 96-DPI pixels,
// scaling to the system's DPI, where the window goes on the screen, the rows of the gradient
// background and where TileBackground copies its tile.
#include <cstdint>
#include <vector>

#include "saver/runtime/geometry.h"

namespace dialog_layout {

inline constexpr int kDesignDpi = 96;
inline constexpr int kClientWidth = 492;
inline constexpr int kClientHeight = 246;

// One-line labels are 14 pixels high, a line of the caption font with its underline, and wide
// enough for their text in that font and in each fallback face (the Win32 tests measure them).

// In the client area.
inline constexpr PixelRect Pic_C{12, 16, 469, 165};
inline constexpr PixelRect lbl_Credit{12, 192, 165, 14};  // lbl (7)
inline constexpr PixelRect lbl_URL{12, 208, 207, 14};
inline constexpr PixelRect Cmd_Set{316, 200, 81, 25};
inline constexpr PixelRect Cmd_Can{400, 200, 81, 25};

// In Pic_C.
inline constexpr PixelRect Shape3{20, 20, 113, 21};
inline constexpr PixelRect lbl_Heading{20, 24, 111, 14};  // lbl (15)
inline constexpr PixelRect BGM_Repeat{112, 52, 41, 20};
inline constexpr PixelRect lbl_Repeat{156, 56, 80, 14};  // lbl (14), up to Image1
inline constexpr PixelRect Cmd_File{28, 112, 41, 25};
inline constexpr PixelRect lbl_Fname{72, 116, 381, 33};
inline constexpr PixelRect Image1{236, 12, 214, 94};
// Indexed by music kind: the rows run kind 1, kind 0, kind 2 from the top.
inline constexpr PixelRect Img_BGM[3] = {{28, 76, 13, 13}, {28, 56, 13, 13}, {28, 96, 13, 13}};
inline constexpr PixelRect lbl_BGM[3] = {{44, 76, 34, 14}, {44, 56, 52, 14}, {44, 96, 72, 14}};

}  // namespace dialog_layout

// `pixels` at 96 DPI as pixels at `dpi`, rounded to the nearest (halves away from zero).
int ScaleForDpi(int pixels, int dpi);
PixelRect ScaleForDpi(const PixelRect& rect, int dpi);

// The window's outer top-left corner: centred across, a third of the way down, both
// divisions truncating (toward zero, so a window larger than the screen starts above it).
PixelPoint DialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

struct GradientRow {
    int y = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const GradientRow&, const GradientRow&) = default;
};

// The background's rows 0 to `clientHeight` inclusive (the last lies just outside and is
// clipped): a sine arch from dark blue (0, 0, 30) at the edges to (220, 220, 250) midway.
std::vector<GradientRow> GradientRows(int clientHeight);

// Where TileBackground copies a `tileWidth` x `tileHeight` tile into a `boxWidth` x
// `boxHeight` box: columns top to bottom, left to right, overshooting by one row and one
// column that the box clips. Tiles of no size copy nothing rather than loop for ever.
std::vector<PixelPoint> TileCopies(int boxWidth, int boxHeight, int tileWidth, int tileHeight);
