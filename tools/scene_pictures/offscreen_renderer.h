#pragma once
// A Mesa offscreen rendering context that draws into memory, so that the scene's drawing code
// runs in it unchanged. It draws `supersampling` times larger each way than the picture it
// makes, for smooth edges. The context is current on the calling thread while it lives.
#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

#include "tools/pictures/picture.h"

namespace scene_pictures {

class OffscreenRenderer {
public:
    OffscreenRenderer(int width, int height, int supersampling);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // False when Mesa could not create or bind the context; nothing may be drawn then.
    bool ok() const { return context_ != nullptr && current_; }

    // What has been drawn so far, each block of pixels averaged into one and laid over `back`
    // (of the picture's size). Drawn over a cleared, transparent black, a block's mean colour
    // is already weighted by how much of it was drawn on, its mean alpha.
    pictures::Picture picture(const pictures::Picture& back) const;

private:
    int width_;
    int height_;
    int supersampling_;
    OSMesaContext context_ = nullptr;
    bool current_ = false;
    std::vector<std::uint8_t> buffer_;  // red, green, blue, alpha; the bottom row first
};

}  // namespace scene_pictures
