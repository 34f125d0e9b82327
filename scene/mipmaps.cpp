#include "scene/mipmaps.h"

#include <GL/glu.h>

#include <algorithm>
#include <new>

#include "scene/mipmap_levels.h"

std::pair<int32_t, int32_t> mipmapBaseSize(int32_t pictureWidth, int32_t pictureHeight) {
    // Asked through the renderer's proxy at level 1, as GLU asks.
    int32_t width = mipmapSide(pictureWidth);
    int32_t height = mipmapSide(pictureHeight);
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
    return {std::min(mipmapSide(pictureWidth), largest),
            std::min(mipmapSide(pictureHeight), largest)};
}

GLenum uploadMipmaps(const std::vector<MipmapLevel>& levels) {
    GLint number = 0;
    for (const MipmapLevel& level : levels) {
        glTexImage2D(GL_TEXTURE_2D, number++, GL_RGBA, level.width, level.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, level.pixels.data());
    }
    return glGetError();
}

GLenum buildMipmaps(const RgbImage& picture) {
    try {
        const auto [width, height] = mipmapBaseSize(picture.width, picture.height);
        return uploadMipmaps(mipmapLevels(picture, width, height));
    } catch (const std::bad_alloc&) {
        return GLU_OUT_OF_MEMORY;
    }
}
