#pragma once
// The pieces a desktop is built from, each painted in whole pixels the way the system draws
// them: 3D bevels, windows with title bars, lines of text (as word-shaped marks: the desktop is
// seen from far away as the scene's ground, where letters could not be read anyway).
#include <cstdint>

#include "tools/pictures/colour.h"

namespace pictures::desktop {

// Whole-pixel rectangle: left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Word lengths and gaps for the marks that stand for text: a small generator of our own, so
// the same seed always writes the same words.
class WordLengths {
public:
    explicit WordLengths(std::uint32_t seed) : state_(seed) {}
    int next(int shortest, int longest);

private:
    std::uint32_t state_;
};

// A raised button or frame edge (light above and left, dark below and right), two pixels
// deep, its inside filled with the face colour.
void drawRaised(Canvas& canvas, const Rect& rect);

// A sunken field edge (dark above and left), two pixels deep, the inside left as it is.
void drawSunken(Canvas& canvas, const Rect& rect);

// A line of word-shaped marks from (x, top) up to `right`, each `height` pixels tall.
void drawTextLine(Canvas& canvas, int x, int top, int right, int height, Colour colour,
                  WordLengths& words);

struct WindowLook {
    Rect frame;
    bool active = false;
    std::uint32_t seed = 0;  // its caption and menu words
};

// A window's frame, title bar with caption and buttons, and menu bar; returns the client
// area inside, already sunken and filled white, for the caller to draw its content in.
Rect drawWindow(Canvas& canvas, const WindowLook& look);

}  // namespace pictures::desktop
