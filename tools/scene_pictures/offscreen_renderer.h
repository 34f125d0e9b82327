#pragma once
// A Mesa offscreen rendering context that draws into memory: the scene's drawing code runs in
// it unchanged, and the picture is read back from the buffer. The context is current on the
// calling thread while the renderer lives.
#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

namespace scene_pictures {

// Red, green, blue, alpha bytes per pixel, the top row first.
struct RenderedFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

class OffscreenRenderer {
public:
    OffscreenRenderer(int width, int height);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // False when Mesa could not create or bind the context; nothing may be drawn then.
    bool ok() const { return context_ != nullptr && current_; }

    // What has been drawn so far, once OpenGL has finished drawing it.
    RenderedFrame frame() const;

private:
    int width_;
    int height_;
    OSMesaContext context_ = nullptr;
    bool current_ = false;
    std::vector<std::uint8_t> buffer_;  // bottom row first, as OpenGL counts rows
};

}  // namespace scene_pictures
