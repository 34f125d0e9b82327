#pragma once
// Antialiasing by supersampling: a picture is rendered several times larger than it is stored,
// then each block of factor x factor pixels is averaged into one.
#include <vector>

#include "tools/pictures/colour.h"
#include "tools/pictures/picture.h"
#include "tools/scene_pictures/offscreen_renderer.h"

namespace scene_pictures {

// A block's mean colour, with how much of it was drawn on (the mean alpha). Drawn over a
// cleared black, transparent frame the colour is already weighted by that coverage.
struct CoveredColour {
    pictures::Colour colour;
    double coverage = 0.0;
};

struct ShrunkFrame {
    int width = 0;
    int height = 0;
    std::vector<CoveredColour> pixels;  // top row first

    const CoveredColour& at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

// The frame averaged down by `factor`, which must divide its width and height.
ShrunkFrame shrinkFrame(const RenderedFrame& frame, int factor);

// The shrunk colours as they are, for frames drawn edge to edge.
pictures::Picture toPicture(const ShrunkFrame& frame);

// The shrunk frame laid over a background of its size, partly covered pixels blending in.
pictures::Picture composeOver(const ShrunkFrame& front, const pictures::Picture& back);

}  // namespace scene_pictures
