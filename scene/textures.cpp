#include "scene/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "scene/bitmap/bitmap_file.h"

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
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
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
        anyLoaded = true;
        GLuint name = 0;
        glGenTextures(1, &name);
        world.textures[file.slot] = name;
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        // Rescales to powers of two as it builds the levels: the snapshot has the screen's size.
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                          image->pixels.data());
    }
    return anyLoaded;
}
