#pragma once
// A picture as the bound GL_TEXTURE_2D with all its mipmap levels: the levels
// gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels) uploads
// with an unpack alignment of 1, their red, green and blue the same to the bit, each made by
// mipmap_levels.h in a fraction of GLU's time and given with an opaque alpha.
#include <GL/gl.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "scene/mipmap_levels.h"
#include "scene/rgb_image.h"

// Level 0's size for a width x height picture, as GLU picks it: each side's mipmapSide, both
// halved until the renderer takes the texture. Levels made ahead for another size are not
// the ones GLU would upload.
std::pair<int32_t, int32_t> mipmapBaseSize(int32_t width, int32_t height);

// `levels` (mipmapLevels') as the bound texture's levels, from level 0, an RGBA texture whose
// alpha is opaque: it draws as GLU's RGB one does. GL_NO_ERROR, or the first error the
// renderer raised.
GLenum uploadMipmaps(const std::vector<MipmapLevel>& levels);

// The levels GLU would build for `picture`, made and uploaded. GL_NO_ERROR, or the first error
// the renderer raised, or GLU_OUT_OF_MEMORY when there was no memory for a level.
GLenum buildMipmaps(const RgbImage& picture);
