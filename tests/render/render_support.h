#pragma once
// A real Mesa rendering context drawing into memory, for tests that check the pixels and the
// OpenGL state that drawing leaves behind, and the state queries and files they share.
#include <GL/osmesa.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline void PrintTo(Rgb c, std::ostream* out) {
    *out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
inline bool isBlack(Rgb c) {
    return c == Rgb{0, 0, 0};
}

// One context of `width` x `height` pixels, current on the test's thread while it lives, with
// a 16-bit depth buffer like the scene's pixel format.
class RenderTest : public testing::Test {
protected:
    explicit RenderTest(int width = 64, int height = 64)
        : width_(width),
          buffer_(static_cast<size_t>(width) * height * 4),
          context_(OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr)) {
        made_ = context_ != nullptr &&
                OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height);
        OSMesaPixelStore(OSMESA_Y_UP, 1);  // row 0 is the bottom row, as OpenGL counts
    }
    ~RenderTest() override {
        if (context_ != nullptr) {
            OSMesaDestroyContext(context_);
        }
    }
    void SetUp() override { ASSERT_TRUE(made_); }

    // The colour of window pixel (x, y), y counted from the bottom row.
    Rgb pixel(int x, int y) const {
        glFinish();
        const uint8_t* p = &buffer_[(static_cast<size_t>(y) * width_ + x) * 4];
        return {p[0], p[1], p[2]};
    }

    static bool on(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }
    static GLint integer(GLenum name) {
        GLint values[4] = {};
        glGetIntegerv(name, values);
        return values[0];
    }
    static std::array<float, 4> floats(GLenum name) {
        std::array<float, 4> values{};
        glGetFloatv(name, values.data());
        return values;
    }

    TempFolder folder;

private:
    int width_;
    std::vector<uint8_t> buffer_;
    OSMesaContext context_;
    bool made_ = false;
};
