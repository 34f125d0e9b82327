#include "tools/pictures/desktop_icons.h"

#include "tools/pictures/desktop_style.h"
#include "tools/pictures/desktop_widgets.h"
#include "tools/pictures/noise.h"
#include "tools/pictures/shapes.h"

namespace pictures::desktop {
namespace {

constexpr int kIconSize = 32;

void box(Canvas& canvas, int left, int top, double x0, double y0, double x1, double y1,
         double radius, Colour colour) {
    fillRoundedBox(canvas, {left + x0, top + y0, left + x1, top + y1}, radius,
                   [&](int, int) { return colour; });
}

void drawComputer(Canvas& canvas, int left, int top) {
    box(canvas, left, top, 3, 2, 29, 23, 1.5, fromBytes(60, 60, 60));
    box(canvas, left, top, 4, 3, 28, 22, 1.0, fromBytes(220, 216, 206));
    fillRoundedBox(canvas, {left + 7.0, top + 6.0, left + 25.0, top + 19.0}, 0.5, [&](int, int y) {
        return mix(fromBytes(40, 150, 170), fromBytes(20, 60, 150), (y - top - 6) / 13.0);
    });
    box(canvas, left, top, 12, 23, 20, 26, 0.0, fromBytes(150, 146, 138));
    box(canvas, left, top, 6, 26, 26, 30, 1.0, fromBytes(60, 60, 60));
    box(canvas, left, top, 7, 26, 25, 29, 0.8, fromBytes(220, 216, 206));
}

void drawFolder(Canvas& canvas, int left, int top) {
    box(canvas, left, top, 3, 6, 14, 11, 1.5, fromBytes(150, 110, 20));
    box(canvas, left, top, 2, 9, 30, 28, 1.5, fromBytes(150, 110, 20));
    box(canvas, left, top, 3, 10, 29, 27, 1.0, fromBytes(250, 214, 96));
    box(canvas, left, top, 3, 10, 29, 13, 0.5, fromBytes(255, 238, 160));
}

void drawGlobe(Canvas& canvas, int left, int top) {
    // A sphere: ocean shaded towards its lower right, continents from noise.
    const double cx = left + 16.0;
    const double cy = top + 16.0;
    fillRoundedBox(canvas, {cx - 13.0, cy - 13.0, cx + 13.0, cy + 13.0}, 13.0, [&](int x, int y) {
        const double u = (x + 0.5 - cx) / 13.0;
        const double v = (y + 0.5 - cy) / 13.0;
        const double light = clamp01(1.0 - 0.5 * (u + v + 1.0) * 0.7);
        const bool land = fractalNoise({.octaves = 3, .seed = 51}, u * 2.2, v * 2.2) > 0.12;
        const Colour base = land ? fromBytes(70, 170, 60) : fromBytes(40, 110, 220);
        return mix(base * 0.55, base, light);
    });
}

void drawRecycleBin(Canvas& canvas, int left, int top) {
    box(canvas, left, top, 6, 5, 26, 9, 1.0, fromBytes(90, 90, 90));
    for (int y = 9; y < 30; ++y) {
        const double narrowing = (y - 9) * 0.15;
        fillRoundedBox(
            canvas, {left + 7.0 + narrowing, top + 1.0 * y, left + 25.0 - narrowing, top + y + 1.0},
            0.0, [&](int x, int) {
                const int stripe = (x - left) % 4;
                return stripe == 0 ? fromBytes(120, 124, 130) : fromBytes(224, 228, 232);
            });
    }
}

void drawDocument(Canvas& canvas, int left, int top) {
    box(canvas, left, top, 6, 2, 26, 30, 0.0, fromBytes(80, 80, 80));
    box(canvas, left, top, 7, 3, 25, 29, 0.0, kWindowBack);
    box(canvas, left, top, 19, 3, 25, 9, 0.0, fromBytes(200, 200, 200));
    for (int line = 0; line < 7; ++line) {
        const double length = line % 3 == 2 ? 8.0 : 14.0;
        box(canvas, left, top, 9, 11.0 + 2.5 * line, 9 + length, 12.0 + 2.5 * line, 0.0,
            fromBytes(110, 110, 140));
    }
}

}  // namespace

void drawDesktopIcon(Canvas& canvas, IconKind kind, int left, int top, std::uint32_t captionSeed) {
    switch (kind) {
        case IconKind::Computer:
            drawComputer(canvas, left, top);
            break;
        case IconKind::Folder:
            drawFolder(canvas, left, top);
            break;
        case IconKind::Globe:
            drawGlobe(canvas, left, top);
            break;
        case IconKind::RecycleBin:
            drawRecycleBin(canvas, left, top);
            break;
        case IconKind::Document:
            drawDocument(canvas, left, top);
            break;
    }
    // The caption: white words with a dark drop shadow, centred under the icon.
    WordLengths words(captionSeed);
    const int width = words.next(9, 13) * 5;
    const int x = left + kIconSize / 2 - width / 2;
    const int y = top + kIconSize + 6;
    WordLengths shadowWords(captionSeed + 1u);
    WordLengths captionWords(captionSeed + 1u);
    drawTextLine(canvas, x + 1, y + 1, x + width + 1, 8, fromBytes(0, 0, 0), shadowWords);
    drawTextLine(canvas, x, y, x + width, 8, kHighlight, captionWords);
}

}  // namespace pictures::desktop
