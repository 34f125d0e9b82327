#include "tools/scene_pictures/offscreen_renderer.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>

namespace scene_pictures {

OffscreenRenderer::OffscreenRenderer(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<std::size_t>(width) * height * 4) {
    // A 24-bit depth buffer: the scene's far plane lies 20 000 times beyond its near one.
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (context_ != nullptr) {
        current_ =
            OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height) == GL_TRUE;
    }
}

OffscreenRenderer::~OffscreenRenderer() {
    if (context_ != nullptr) {
        OSMesaDestroyContext(context_);
    }
}

RenderedFrame OffscreenRenderer::frame() const {
    glFinish();
    RenderedFrame frame{width_, height_, std::vector<std::uint8_t>(buffer_.size())};
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * 4;
    for (int row = 0; row < height_; ++row) {
        const auto source = buffer_.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  frame.rgba.begin() + static_cast<std::ptrdiff_t>((height_ - 1 - row) * rowBytes));
    }
    return frame;
}

}  // namespace scene_pictures
