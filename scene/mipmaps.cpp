#include "scene/mipmaps.h"

#include <GL/glu.h>

#include <algorithm>
#include <new>
#include <utility>

#include "scene/mipmap_levels.h"

namespace {

// Level 0's size as GLU picks it: each side's power of two, both halved until the renderer
// would take the texture, asked through its proxy at level 1 (GLU asks at level 1).
std::pair<int32_t, int32_t> baseLevelSize(const RgbImage& picture) {
    int32_t width = mipmapSide(picture.width);
    int32_t height = mipmapSide(picture.height);
    for (;;) {
        const int32_t halfWidth = width > 1 ? width / 2 : 1;
        const int32_t halfHeight = height > 1 ? height / 2 : 1;
        glTexImage2D(GL_PROXY_TEXTURE_2D, 1, 3, halfWidth, halfHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
        GLint takenWidth = 0;
        glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &takenWidth);
        if (takenWidth != 0) {
            return {width, height};
        }
        if (width == 1 && height == 1) {
            break;  // a renderer without working proxies: the largest size it names instead
        }
        width = halfWidth;
        height = halfHeight;
    }
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return {std::min(mipmapSide(picture.width), largest),
            std::min(mipmapSide(picture.height), largest)};
}

}  // namespace

GLenum buildMipmaps(const RgbImage& picture, const std::vector<RgbImage>& madeLevels) {
    try {
        const auto [width, height] = baseLevelSize(picture);
        const bool madeFit = !madeLevels.empty() && madeLevels.front().width == width &&
                             madeLevels.front().height == height;
        const std::vector<RgbImage> levels =
            madeFit ? std::vector<RgbImage>{} : mipmapLevels(picture, width, height);
        GLint number = 0;
        for (const RgbImage& level : madeFit ? madeLevels : levels) {
            glTexImage2D(GL_TEXTURE_2D, number++, 3, level.width, level.height, 0, GL_RGB,
                         GL_UNSIGNED_BYTE, level.pixels.data());
        }
    } catch (const std::bad_alloc&) {
        return GLU_OUT_OF_MEMORY;
    }
    return glGetError();
}
