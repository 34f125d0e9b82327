#include "scene/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/bitmap/bitmap_file.h"
#include "scene/error_box.h"
#include "scene/mipmaps.h"
#include "scene/snapshot_read_ahead.h"

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

// A mipmapped texture, filtered as the snapshot textures are, whose levels `upload` gives the
// bound texture (mipmaps.h); 0 when the renderer refused it (after a message) or no texture
// name was obtained.
template <typename Upload>
uint32_t makeSnapshotTexture(Upload upload) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    forgetGlErrors();
    return uploadTook(name, upload()) ? name : 0;
}

// Whether levels made ahead are the ones GLU would upload for their picture here.
bool madeLevelsFit(const PreparedPicture& made) {
    if (made.levels.empty()) {
        return false;
    }
    const auto [width, height] = mipmapBaseSize(made.width, made.height);
    return made.levels.front().width == width && made.levels.front().height == height;
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

bool loadSnapshotTextures(World& world, const SnapshotPaths& paths, PreparedPicture* prepared) {
    const struct {
        const char* path;
        TextureSlot slot;
    } files[] = {
        {paths.sky, kSkyTexture}, {paths.ground, kGroundTexture}, {paths.smoke, kSmokeTexture}};

    bool anyLoaded = false;
    for (const auto& file : files) {
        const PreparedPicture notPrepared;
        const PreparedPicture& made = prepared != nullptr ? prepared[file.slot] : notPrepared;
        uint32_t& texture = world.textures[file.slot];
        if (madeLevelsFit(made)) {
            texture = makeSnapshotTexture([&] { return uploadMipmaps(made.levels); });
        } else if (const std::unique_ptr<RgbImage> image = loadBitmapIfPresent(file.path)) {
            // Rescales to powers of two as it builds the levels: the snapshot has the
            // screen's size.
            texture = makeSnapshotTexture([&] { return buildMipmaps(*image); });
        }
        // Otherwise the slot keeps 0 and its surface is drawn in plain colour.
        anyLoaded = anyLoaded || texture != 0;
    }
    return anyLoaded;
}
