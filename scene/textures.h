#pragma once
// Bitmap files into OpenGL textures. All of these need a current rendering context to make
// textures; without one they read the file and return 0.
#include <cstdint>
#include <memory>

#include "scene/rgb_image.h"
#include "scene/world.h"

// The picture in `path`, or null for a null path or a file that cannot be opened (no message).
// A file that opens but is no readable bitmap gives null after the reader's error message.
std::unique_ptr<RgbImage> loadBitmapIfPresent(const char* path);

// A texture of the picture at its own size, one level, linear filtering; 0 when no picture
// was read, no texture name was obtained or the upload was refused (after a message).
// Used for the model's material textures.
uint32_t loadBitmapTexture(const char* path);

// The three work-folder bitmaps, in the order they are loaded.
struct SnapshotPaths {
    const char* sky;     // slot 0
    const char* ground;  // slot 1
    const char* smoke;   // slot 2
};

struct PreparedPicture;

// Fills texture slots 0 to 2 of `world` with mipmapped textures; a file that gives no picture,
// or whose upload is refused (after a message), leaves its slot 0. Returns true when at least
// one file became a texture. `prepared` (by slot, three of them): pictures read ahead
// (snapshot_read_ahead.h); a file not read ahead, or whose levels are not the renderer's size,
// is read now.
bool loadSnapshotTextures(World& world, const SnapshotPaths& paths,
                          PreparedPicture* prepared = nullptr);
