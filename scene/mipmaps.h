#pragma once
// A picture as the bound GL_TEXTURE_2D with all its mipmap levels: the levels
// gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels) uploads
// with an unpack alignment of 1, each made by mipmap_levels.h in a fraction of GLU's time.
#include <GL/gl.h>

#include <vector>

#include "scene/rgb_image.h"

// `madeLevels`: the levels made ahead for mipmapSide's size, used when the renderer takes
// that size (it takes any but the largest pictures). GL_NO_ERROR, or the first error the
// renderer raised, or GLU_OUT_OF_MEMORY when there was no memory for a level.
GLenum buildMipmaps(const RgbImage& picture, const std::vector<RgbImage>& madeLevels = {});
