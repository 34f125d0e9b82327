#pragma once
// Run-length encoded pixel bits (BI_RLE8 and BI_RLE4) into 24-bit rows. Internal to the
// bitmap reader.
#include "scene/bitmap/bitmap_layout.h"
#include "scene/rgb_image.h"

// Draws the stream in `layout.bits` into `image`, which is already sized and black; pixels
// that the stream skips with deltas or leaves when it ends early stay black. Returns false
// when the stream breaks off before its end-of-bitmap code and before the top row is done.
bool decodeRle(const BitmapLayout& layout, RgbImage& image);
