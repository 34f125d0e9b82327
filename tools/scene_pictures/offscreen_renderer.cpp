#include "tools/scene_pictures/offscreen_renderer.h"

#include <GL/gl.h>

#include <cstddef>

#include "tools/pictures/colour.h"

namespace scene_pictures {

OffscreenRenderer::OffscreenRenderer(int width, int height, int supersampling)
    : width_(width),
      height_(height),
      supersampling_(supersampling),
      buffer_(static_cast<std::size_t>(width) * height * supersampling * supersampling * 4) {
    // A 24-bit depth buffer: the scene's far plane lies 20 000 times beyond its near one.
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (context_ != nullptr) {
        current_ = OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE,
                                     width * supersampling, height * supersampling) == GL_TRUE;
    }
}

OffscreenRenderer::~OffscreenRenderer() {
    if (context_ != nullptr) {
        OSMesaDestroyContext(context_);
    }
}

pictures::Picture OffscreenRenderer::picture(const pictures::Picture& back) const {
    glFinish();
    const int factor = supersampling_;
    const int rows = height_ * factor;
    const double samples = factor * factor * 255.0;
    pictures::Picture picture(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int sums[4] = {};
            for (int j = 0; j < factor; ++j) {
                const auto row = static_cast<std::size_t>(rows - 1 - (y * factor + j));
                for (int i = 0; i < factor; ++i) {
                    const std::size_t at =
                        (row * width_ * factor + static_cast<std::size_t>(x * factor + i)) * 4;
                    for (std::size_t channel = 0; channel < 4; ++channel) {
                        sums[channel] += buffer_[at + channel];
                    }
                }
            }
            const pictures::Colour drawn{sums[0] / samples, sums[1] / samples, sums[2] / samples};
            const double coverage = sums[3] / samples;
            picture.set(x, y,
                        toRgba(drawn + pictures::fromBytes(back.at(x, y)) * (1.0 - coverage)));
        }
    }
    return picture;
}

}  // namespace scene_pictures
