#pragma once
// A real Mesa rendering context drawing into memory, for tests that check the pixels a frame
// leaves behind. One context per test; it is current on the calling thread while it lives.
#include <GL/osmesa.h>

#include <GL/gl.h>

#include <cstdint>
#include <vector>

class OsMesaContext {
public:
    OsMesaContext(int width, int height) : width_(width), height_(height) {
        // RGBA colour, a 16-bit depth buffer like the scene's pixel format, no stencil or accum.
        context_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
        buffer_.resize(static_cast<size_t>(width) * height * 4);
        if (context_ != nullptr) {
            made_ = OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height);
            // Row 0 of the buffer is the bottom row, as glReadPixels counts.
            OSMesaPixelStore(OSMESA_Y_UP, 1);
        }
    }
    ~OsMesaContext() {
        if (context_ != nullptr) {
            OSMesaDestroyContext(context_);
        }
    }
    OsMesaContext(const OsMesaContext&) = delete;
    OsMesaContext& operator=(const OsMesaContext&) = delete;

    bool ok() const { return context_ != nullptr && made_; }
    int width() const { return width_; }
    int height() const { return height_; }

    struct Rgb {
        int r, g, b;
    };
    // The colour at window pixel (x, y), y counted from the bottom row.
    Rgb pixel(int x, int y) const {
        glFinish();
        const uint8_t* p = &buffer_[(static_cast<size_t>(y) * width_ + x) * 4];
        return {p[0], p[1], p[2]};
    }

private:
    int width_;
    int height_;
    OSMesaContext context_ = nullptr;
    bool made_ = false;
    std::vector<uint8_t> buffer_;
};
