#include "tools/pictures/desktop_picture.h"

#include "tools/pictures/desktop_icons.h"
#include "tools/pictures/desktop_style.h"
#include "tools/pictures/desktop_widgets.h"
#include "tools/pictures/shapes.h"

namespace pictures {
namespace {

using desktop::IconKind;
using desktop::Rect;
using desktop::WordLengths;

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;
constexpr int kTaskBarHeight = 30;

void fill(Canvas& canvas, const Rect& rect, Colour colour) {
    fillPixels(canvas, rect.left, rect.top, rect.right, rect.bottom, colour);
}

void paintBackground(Canvas& canvas) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // Brighter in the middle, the same all round the edges: the scene tiles the desktop,
            // and matching edges keep the tiles from showing steps between them.
            const double dx = 2.0 * (x + 0.5) / kWidth - 1.0;
            const double dy = 2.0 * (y + 0.5) / kHeight - 1.0;
            const double towardsEdge = clamp01(0.5 * (dx * dx + dy * dy));
            canvas.set(x, y,
                       mix(desktop::kBackgroundCentre, desktop::kBackgroundEdge, towardsEdge));
        }
    }
}

void drawIcons(Canvas& canvas) {
    constexpr IconKind kColumn[] = {IconKind::Computer,   IconKind::Folder,   IconKind::Globe,
                                    IconKind::RecycleBin, IconKind::Document, IconKind::Folder,
                                    IconKind::Document,   IconKind::Globe,    IconKind::Folder};
    int top = 18;
    std::uint32_t seed = 300;
    for (const IconKind kind : kColumn) {
        desktop::drawDesktopIcon(canvas, kind, 24, top, seed);
        top += 78;
        seed += 11;
    }
    // A few more that the user dropped on the right.
    desktop::drawDesktopIcon(canvas, IconKind::Document, kWidth - 80, 40, 410);
    desktop::drawDesktopIcon(canvas, IconKind::Folder, kWidth - 80, 118, 421);
    desktop::drawDesktopIcon(canvas, IconKind::Computer, kWidth - 160, 40, 432);
}

// A file browser: a blue task pane on the left, folders in rows on the right.
void drawBrowser(Canvas& canvas, const Rect& frame, std::uint32_t seed) {
    const Rect client = desktop::drawWindow(canvas, {frame, false, seed});
    const Rect pane{client.left, client.top, client.left + 150, client.bottom};
    for (int y = pane.top; y < pane.bottom; ++y) {
        const double down = static_cast<double>(y - pane.top) / (pane.bottom - pane.top);
        fill(canvas, {pane.left, y, pane.right, y + 1},
             mix(fromBytes(120, 150, 220), fromBytes(200, 214, 245), down));
    }
    WordLengths paneWords(seed + 36u);
    for (int line = 0; line < 6; ++line) {
        desktop::drawTextLine(canvas, pane.left + 12, pane.top + 20 + 22 * line, pane.right - 10, 7,
                              line == 0 ? desktop::kHighlight : fromBytes(20, 40, 120), paneWords);
    }
    WordLengths names(seed + 50u);
    for (int row = 0; row * 70 + 80 < client.bottom - client.top; ++row) {
        for (int column = 0; pane.right + 20 + column * 84 + 60 < client.right; ++column) {
            const int x = pane.right + 24 + column * 84;
            const int y = client.top + 14 + row * 70;
            fill(canvas, {x + 8, y, x + 22, y + 5}, fromBytes(190, 150, 40));
            fill(canvas, {x + 6, y + 4, x + 38, y + 30}, fromBytes(190, 150, 40));
            fill(canvas, {x + 7, y + 5, x + 37, y + 29}, fromBytes(250, 214, 96));
            desktop::drawTextLine(canvas, x, y + 38, x + 52, 7, desktop::kText, names);
        }
    }
}

// A letter being written: paragraphs of text and a caret.
void drawDocumentWindow(Canvas& canvas, const Rect& frame) {
    const Rect client = desktop::drawWindow(canvas, {frame, true, 58});
    WordLengths words(1234);
    int y = client.top + 14;
    desktop::drawTextLine(canvas, client.left + 16, y, client.left + 200, 9, desktop::kSelection,
                          words);
    y += 26;
    for (int line = 0; y + 10 < client.bottom; ++line) {
        const bool paragraphEnds = line % 6 == 5;
        const int right = paragraphEnds ? client.left + 180 : client.right - 16;
        desktop::drawTextLine(canvas, client.left + 16, y, right, 7, desktop::kText, words);
        y += paragraphEnds ? 24 : 14;
    }
}

// A painting program showing a sunset over hills.
void drawPaintWindow(Canvas& canvas, const Rect& frame) {
    const Rect client = desktop::drawWindow(canvas, {frame, false, 99});
    fill(canvas, {client.left, client.top, client.left + 28, client.bottom}, desktop::kFace);
    const Rect art{client.left + 36, client.top + 8, client.right - 10, client.bottom - 10};
    const double width = art.right - art.left;
    const double height = art.bottom - art.top;
    for (int y = art.top; y < art.bottom; ++y) {
        for (int x = art.left; x < art.right; ++x) {
            const double u = (x - art.left) / width;
            const double v = (y - art.top) / height;
            Colour colour = mix(fromBytes(250, 150, 80), fromBytes(120, 60, 150), 1.0 - v);
            const double hill = 0.62 + 0.12 * (u - 0.5) * (u - 0.5) * 4.0 - 0.08 * u;
            if (v > hill) {
                colour = mix(fromBytes(40, 110, 60), fromBytes(20, 60, 40), v);
            }
            canvas.set(x, y, colour);
        }
    }
    const double sunX = art.left + 0.3 * width;
    const double sunY = art.top + 0.45 * height;
    fillRoundedBox(canvas, {sunX - 14.0, sunY - 14.0, sunX + 14.0, sunY + 14.0}, 14.0,
                   [](int, int) { return fromBytes(255, 236, 150); });
}

void drawTaskBar(Canvas& canvas) {
    const int top = kHeight - kTaskBarHeight;
    fill(canvas, {0, top, kWidth, kHeight}, desktop::kFace);
    fill(canvas, {0, top + 1, kWidth, top + 2}, desktop::kHighlight);

    // The start button with its four-colour flag.
    const Rect start{2, top + 4, 58, top + 26};
    desktop::drawRaised(canvas, start);
    fill(canvas, {start.left + 5, start.top + 5, start.left + 10, start.top + 10},
         fromBytes(230, 60, 30));
    fill(canvas, {start.left + 11, start.top + 5, start.left + 16, start.top + 10},
         fromBytes(60, 170, 40));
    fill(canvas, {start.left + 5, start.top + 11, start.left + 10, start.top + 16},
         fromBytes(40, 90, 220));
    fill(canvas, {start.left + 11, start.top + 11, start.left + 16, start.top + 16},
         fromBytes(250, 200, 30));
    fill(canvas, {start.left + 20, start.top + 7, start.left + 48, start.top + 15}, desktop::kText);

    // One button per window, the active window's pressed in.
    WordLengths words(500);
    for (int button = 0; button < 5; ++button) {
        const Rect face{66 + 164 * button, top + 4, 226 + 164 * button, top + 26};
        if (button == 3) {
            fill(canvas, face, fromBytes(234, 232, 228));
            desktop::drawSunken(canvas, face);
        } else {
            desktop::drawRaised(canvas, face);
        }
        fill(canvas, {face.left + 4, face.top + 3, face.left + 20, face.top + 19},
             fromBytes(240, 200, 80));
        desktop::drawTextLine(canvas, face.left + 26, face.top + 7, face.right - 8, 8,
                              desktop::kText, words);
    }

    // The notification area with the clock.
    const Rect tray{kWidth - 110, top + 4, kWidth - 2, top + 26};
    desktop::drawSunken(canvas, tray);
    fill(canvas, {tray.left + 6, tray.top + 3, tray.left + 22, tray.top + 19},
         fromBytes(60, 120, 200));
    fill(canvas, {tray.right - 46, tray.top + 7, tray.right - 10, tray.top + 15}, desktop::kText);
}

}  // namespace

Picture makeDesktopPicture() {
    Canvas canvas(kWidth, kHeight);
    paintBackground(canvas);
    drawIcons(canvas);
    drawPaintWindow(canvas, {150, 700, 600, 1080});
    drawBrowser(canvas, {200, 60, 860, 560}, 41);
    drawBrowser(canvas, {1000, 250, 1480, 640}, 63);
    drawDocumentWindow(canvas, {640, 380, 1240, 950});
    drawTaskBar(canvas);
    return toPicture(canvas);
}

}  // namespace pictures
