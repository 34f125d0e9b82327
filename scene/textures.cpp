#include "scene/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/bitmap/bitmap_file.h"
#include "scene/error_box.h"

namespace {

// An error left by earlier calls would be blamed on the next upload. OpenGL may hold several
// error flags, one cleared by each read.
void forgetGlErrors() {
    for (int flag = 0; flag < 8 && glGetError() != GL_NO_ERROR; ++flag) {
    }
}

// Whether the upload into `name` took. One the renderer refused is reported as the bitmap
// reader reports a picture it cannot make, and its texture is deleted: the surface is then
// drawn plain, as for any picture that could not be read.
bool uploadTook(GLuint name, GLenum error) {
    if (error == GL_NO_ERROR) {
        return true;
    }
    const bool outOfMemory = error == GL_OUT_OF_MEMORY || error == GLU_OUT_OF_MEMORY;
    showErrorBox(
        bitmapErrorMessage(outOfMemory ? BitmapError::OutOfMemory : BitmapError::ConversionError));
    glDeleteTextures(1, &name);
    return false;
}

}  // namespace

std::unique_ptr<RgbImage> loadBitmapIfPresent(const char* path) {
    if (path == nullptr) {
        return nullptr;
    }
    // A file that cannot even be opened is simply absent: no message for it.
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return nullptr;
    }
    std::fclose(file);
    return readBitmapFile(path);
}

uint32_t loadBitmapTexture(const char* path) {
    const std::unique_ptr<RgbImage> image = loadBitmapIfPresent(path);
    if (image == nullptr || image->pixels.empty()) {
        return 0;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        return 0;  // no current rendering context
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows are tightly packed, whatever the width
    forgetGlErrors();
    // At its own size: a picture larger than the renderer's largest texture is refused.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
    if (!uploadTook(name, glGetError())) {
        return 0;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

bool loadSnapshotTextures(World& world, const SnapshotPaths& paths) {
    const struct {
        const char* path;
        TextureSlot slot;
    } files[] = {
        {paths.sky, kSkyTexture}, {paths.ground, kGroundTexture}, {paths.smoke, kSmokeTexture}};

    bool anyLoaded = false;
    for (const auto& file : files) {
        const std::unique_ptr<RgbImage> image = loadBitmapIfPresent(file.path);
        if (image == nullptr) {
            continue;  // the slot keeps 0 and its surface is drawn in plain colour
        }
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        forgetGlErrors();
        // Rescales to powers of two as it builds the levels: the snapshot has the screen's size.
        const GLint built = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB,
                                              GL_UNSIGNED_BYTE, image->pixels.data());
        if (uploadTook(name, built != 0 ? static_cast<GLenum>(built) : glGetError())) {
            world.textures[file.slot] = name;
            anyLoaded = true;
        }
    }
    return anyLoaded;
}
