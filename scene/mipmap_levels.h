#pragma once
// The pictures of a mipmapped texture, made as GLU's gluBuild2DMipmaps makes them from tightly
// packed RGB bytes: a picture whose sides are not powers of two is first box-filtered to
// powers of two, then each level is the 2 x 2 average of the one before. The picture may also
// be a bitmap file's own rows (RgbRows), which then need no decoding first. The filter repeats
// GLU's float arithmetic step for step, so every level is the same to the last bit; it is
// faster only because it knows its pixels' layout. The levels carry an opaque alpha byte,
// which changes nothing drawn. Portable: no OpenGL.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "scene/rgb_image.h"

// The power of two GLU rounds a side to: halve until 1 or 3 is left, and a 3 counts as 4
// (1,920 gives 2,048; 1,080 gives 1,024; 768 gives 1,024). Sides are positive.
int32_t mipmapSide(int32_t side);

// One level: red, green, blue and an opaque alpha byte per pixel, rows of width x 4 bytes,
// the bottom row first. Four bytes a pixel are how renderers keep textures, so the upload is
// a copy rather than a conversion.
struct MipmapLevel {
    // A level's bytes, not cleared when made: every level is written whole, and clearing a
    // screen-sized one first would take all its first-touch page faults on one thread, where
    // the scaling otherwise shares them between its two.
    class Bytes {
    public:
        Bytes() = default;
        explicit Bytes(size_t size)
            : bytes_(std::make_unique_for_overwrite<uint8_t[]>(size)), size_(size) {}
        uint8_t* data() { return bytes_.get(); }
        const uint8_t* data() const { return bytes_.get(); }
        size_t size() const { return size_; }

    private:
        std::unique_ptr<uint8_t[]> bytes_;
        size_t size_ = 0;
    };

    int32_t width = 0;
    int32_t height = 0;
    Bytes pixels;
};

// Every level, from level 0, `picture` at width x height (box-filtered, unless it has that
// size already), down to 1 x 1. Width and height are powers of two.
std::vector<MipmapLevel> mipmapLevels(const RgbRows& picture, int32_t width, int32_t height);
std::vector<MipmapLevel> mipmapLevels(const RgbImage& picture, int32_t width, int32_t height);
