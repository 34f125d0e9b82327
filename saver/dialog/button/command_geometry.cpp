#include "saver/dialog/button/command_geometry.h"

#include <algorithm>
#include <cmath>

#include "saver/dialog/button/command_skin.h"

namespace {

// White and light lavender grey (C6C5D7).
constexpr FaceColour kFaceWhite = {0xFF00, 0xFF00, 0xFF00, 0};
constexpr FaceColour kFaceLavender = {0xC600, 0xC500, 0xD700, 0};

// The control's layout puts the caption 20 twips above the middle.
constexpr double kCaptionRaiseTwips = 20.0;

struct Split {
    int near = 0;  // the left (or top) corner's share
    int far = 0;   // the right (or bottom) corner's share
};

// How much of `length` each of the two corners gets: all of a corner when there is room.
Split CornerShares(int length) {
    if (length >= 2 * kSkinCorner) {
        return {kSkinCorner, kSkinCorner};
    }
    const int near = std::max(length, 0) / 2;
    return {near, std::max(length, 0) - near};
}

}  // namespace

std::array<SkinPiece, 8> SkinPieces(int controlWidth, int controlHeight) {
    const Split across = CornerShares(controlWidth);
    const Split down = CornerShares(controlHeight);
    const int edgeWidth = std::max(controlWidth - 2 * kSkinCorner, 0);
    const int edgeHeight = std::max(controlHeight - 2 * kSkinCorner, 0);
    const int middleWidth = kSkinWidth - 2 * kSkinCorner;
    const int middleHeight = kSkinHeight - 2 * kSkinCorner;

    const int right = controlWidth - across.far;
    const int bottom = controlHeight - down.far;
    const int sourceRight = kSkinWidth - across.far;
    const int sourceBottom = kSkinHeight - down.far;

    // The layout gives the left and top pieces a 1-twip inset, which is less than a pixel.
    return {{
        {{0, 0, across.near, down.near}, {0, 0, across.near, down.near}},
        {{kSkinCorner, 0, edgeWidth, down.near}, {kSkinCorner, 0, middleWidth, down.near}},
        {{right, 0, across.far, down.near}, {sourceRight, 0, across.far, down.near}},
        {{right, kSkinCorner, across.far, edgeHeight},
         {sourceRight, kSkinCorner, across.far, middleHeight}},
        {{right, bottom, across.far, down.far}, {sourceRight, sourceBottom, across.far, down.far}},
        {{kSkinCorner, bottom, edgeWidth, down.far},
         {kSkinCorner, sourceBottom, middleWidth, down.far}},
        {{0, bottom, across.near, down.far}, {0, sourceBottom, across.near, down.far}},
        {{0, kSkinCorner, across.near, edgeHeight}, {0, kSkinCorner, across.near, middleHeight}},
    }};
}

int CaptionTop(int controlHeight, int labelHeight, double twipsPerPixel) {
    const double topTwips =
        ((controlHeight - labelHeight) * twipsPerPixel - kCaptionRaiseTwips) / 2.0;
    return static_cast<int>(std::lround(topTwips / twipsPerPixel));
}

FaceGradient FaceGradientColours(bool invertFace) {
    if (invertFace) {
        return {kFaceLavender, kFaceWhite};
    }
    return {kFaceWhite, kFaceLavender};
}
