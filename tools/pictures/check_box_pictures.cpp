#include "tools/pictures/picture_catalogue.h"

#include "tools/pictures/colour.h"
#include "tools/pictures/rounded_box.h"

namespace pictures {
namespace {

constexpr int kSize = 12;

constexpr Colour kPanel = fromBytes(206, 208, 212);  // the metal the box sits on
constexpr Colour kFrame = fromBytes(112, 138, 170);
constexpr Colour kFaceShadow = fromBytes(214, 218, 224);
constexpr Colour kFace = fromBytes(255, 255, 255);
constexpr Colour kMarkTop = fromBytes(96, 150, 236);
constexpr Colour kMarkBottom = fromBytes(24, 74, 196);
constexpr Colour kMarkGleam = fromBytes(200, 222, 255);

Canvas emptyBox() {
    Canvas canvas(kSize, kSize, kFrame);
    // The frame's corners are softened towards the panel so the box does not look cut out.
    for (const int corner : {0, kSize - 1}) {
        blend(canvas, 0, corner, kPanel, 0.45);
        blend(canvas, kSize - 1, corner, kPanel, 0.45);
    }
    // The face is sunk into the panel: shaded along its top and left, white towards the
    // bottom right.
    const int inner = kSize - 2;
    for (int y = 1; y <= inner; ++y) {
        for (int x = 1; x <= inner; ++x) {
            const int fromEdge = (x < y ? x : y) - 1;  // 0 along the top and left edges
            const double light = fromEdge >= 3 ? 1.0 : (fromEdge + 1) / 4.0;
            canvas.set(x, y, mix(kFaceShadow, kFace, light));
        }
    }
    return canvas;
}

}  // namespace

Picture makeEmptyBoxPicture() {
    return toPicture(emptyBox());
}

Picture makeCheckedBoxPicture() {
    Canvas canvas = emptyBox();
    const Box mark{3.0, 3.0, kSize - 3.0, kSize - 3.0};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // Antialiased by a one-pixel ramp across the mark's edge.
            const double distance = roundedBoxDistance(x + 0.5, y + 0.5, mark, 1.0);
            const double down = (y - mark.top) / (mark.bottom - mark.top - 1.0);
            blend(canvas, x, y, mix(kMarkTop, kMarkBottom, down), clamp01(0.5 - distance));
        }
    }
    // A glint along the top edge gives the square some depth.
    for (int x = 4; x < kSize - 4; ++x) {
        blend(canvas, x, 3, kMarkGleam, 0.55);
    }
    return toPicture(canvas);
}

}  // namespace pictures
