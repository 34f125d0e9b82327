#pragma once
// The pictures of a mipmapped texture, made as GLU's gluBuild2DMipmaps makes them from tightly
// packed RGB bytes: a picture whose sides are not powers of two is first box-filtered to
// powers of two, then each level is the 2 x 2 average of the one before. The picture may also
// be a bitmap file's own rows (RgbRows), which then need no decoding first. The filter repeats
// GLU's float arithmetic step for step, so every level is the same to the last bit; it is
// faster only because it knows its pixels' layout. Portable: no OpenGL.
#include <cstdint>
#include <vector>

#include "scene/rgb_image.h"

// The power of two GLU rounds a side to: halve until 1 or 3 is left, and a 3 counts as 4
// (1,920 gives 2,048; 1,080 gives 1,024; 768 gives 1,024). Sides are positive.
int32_t mipmapSide(int32_t side);

// Every level, from level 0, `picture` at width x height (box-filtered, unless it has that
// size already), down to 1 x 1, in red, green, blue order. Width and height are powers of two.
std::vector<RgbImage> mipmapLevels(const RgbRows& picture, int32_t width, int32_t height);
std::vector<RgbImage> mipmapLevels(const RgbImage& picture, int32_t width, int32_t height);
