#include "tools/pictures/desktop_widgets.h"

#include "tools/pictures/desktop_style.h"
#include "tools/pictures/shapes.h"

namespace pictures::desktop {
namespace {

constexpr int kBorder = 4;
constexpr int kTitleHeight = 18;
constexpr int kMenuHeight = 19;
constexpr int kCaptionButtonWidth = 16;
constexpr int kCaptionButtonHeight = 14;

void fill(Canvas& canvas, const Rect& rect, Colour colour) {
    fillPixels(canvas, rect.left, rect.top, rect.right, rect.bottom, colour);
}

// One pixel wide edges: `upperLeft` along the top and left, `lowerRight` along the bottom and
// right.
void drawEdge(Canvas& canvas, const Rect& rect, Colour upperLeft, Colour lowerRight) {
    fill(canvas, {rect.left, rect.top, rect.right, rect.top + 1}, upperLeft);
    fill(canvas, {rect.left, rect.top, rect.left + 1, rect.bottom}, upperLeft);
    fill(canvas, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, lowerRight);
    fill(canvas, {rect.right - 1, rect.top, rect.right, rect.bottom}, lowerRight);
}

Rect inset(const Rect& rect, int by) {
    return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void drawTitleBar(Canvas& canvas, const Rect& bar, const WindowLook& look) {
    const Colour left = look.active ? kActiveTitleLeft : kInactiveTitleLeft;
    const Colour right = look.active ? kActiveTitleRight : kInactiveTitleRight;
    const int width = bar.right - bar.left;
    for (int x = bar.left; x < bar.right; ++x) {
        const Colour colour = mix(left, right, static_cast<double>(x - bar.left) / width);
        fill(canvas, {x, bar.top, x + 1, bar.bottom}, colour);
    }
    // The program's small icon, then the caption in bold white.
    fill(canvas, {bar.left + 2, bar.top + 1, bar.left + 18, bar.top + 17},
         look.active ? fromBytes(240, 200, 80) : fromBytes(200, 200, 200));
    WordLengths words(look.seed);
    const Colour caption = look.active ? kHighlight : fromBytes(212, 208, 200);
    drawTextLine(canvas, bar.left + 22, bar.top + 5, bar.left + width / 2, 8, caption, words);

    // Minimise, maximise and close.
    int buttonLeft = bar.right - 2 - 3 * kCaptionButtonWidth - 2;
    for (int button = 0; button < 3; ++button) {
        const Rect face{buttonLeft, bar.top + 2, buttonLeft + kCaptionButtonWidth,
                        bar.top + 2 + kCaptionButtonHeight};
        drawRaised(canvas, face);
        const int cx = face.left + 4;
        const int cy = face.top + 3;
        if (button == 0) {
            fill(canvas, {cx, cy + 6, cx + 6, cy + 8}, kText);
        } else if (button == 1) {
            drawEdge(canvas, {cx, cy, cx + 9, cy + 8}, kText, kText);
            fill(canvas, {cx, cy, cx + 9, cy + 2}, kText);
        } else {
            for (int i = 0; i < 7; ++i) {
                fill(canvas, {cx + i, cy + i, cx + i + 2, cy + i + 1}, kText);
                fill(canvas, {cx + 6 - i, cy + i, cx + 8 - i, cy + i + 1}, kText);
            }
        }
        buttonLeft += kCaptionButtonWidth + (button == 1 ? 2 : 0);
    }
}

}  // namespace

int WordLengths::next(int shortest, int longest) {
    state_ = state_ * 1664525u + 1013904223u;
    const auto span = static_cast<std::uint32_t>(longest - shortest + 1);
    return shortest + static_cast<int>((state_ >> 16) % span);
}

void drawRaised(Canvas& canvas, const Rect& rect) {
    fill(canvas, rect, kFace);
    drawEdge(canvas, rect, kFace, kDarkShadow);
    drawEdge(canvas, inset(rect, 1), kHighlight, kShadow);
}

void drawSunken(Canvas& canvas, const Rect& rect) {
    drawEdge(canvas, rect, kShadow, kHighlight);
    drawEdge(canvas, inset(rect, 1), kDarkShadow, kFace);
}

void drawTextLine(Canvas& canvas, int x, int top, int right, int height, Colour colour,
                  WordLengths& words) {
    constexpr int kLetterWidth = 5;  // a 4-pixel stroke and a 1-pixel gap
    const int xHeightTop = top + height / 3;
    while (true) {
        const int letters = words.next(2, 9);
        if (x + letters * kLetterWidth > right) {
            break;
        }
        // Letters with ascenders stand taller than the rest, as in real text.
        for (int letter = 0; letter < letters; ++letter) {
            const bool tall = letter == 0 || words.next(0, 3) == 0;
            fill(canvas, {x, tall ? top : xHeightTop, x + kLetterWidth - 1, top + height}, colour);
            x += kLetterWidth;
        }
        x += 4;
    }
}

Rect drawWindow(Canvas& canvas, const WindowLook& look) {
    drawRaised(canvas, look.frame);
    const Rect inner = inset(look.frame, kBorder);
    drawTitleBar(canvas, {inner.left, inner.top, inner.right, inner.top + kTitleHeight}, look);

    // The menu: a few short words.
    const int menuTop = inner.top + kTitleHeight + 1;
    WordLengths menuWords(look.seed + 17u);
    int x = inner.left + 8;
    for (int item = 0; item < 5; ++item) {
        const int length = menuWords.next(3, 6) * 5;
        fill(canvas, {x, menuTop + 6, x + length, menuTop + 13}, kText);
        x += length + 14;
    }

    const Rect client{inner.left, menuTop + kMenuHeight, inner.right, inner.bottom};
    drawSunken(canvas, client);
    const Rect inside = inset(client, 2);
    fill(canvas, inside, kWindowBack);
    return inside;
}

}  // namespace pictures::desktop
