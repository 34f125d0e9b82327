#pragma once
// Uncompressed pixel bits (BI_RGB and BI_BITFIELDS) into 24-bit rows. Internal to the bitmap
// reader.
#include <cstdint>

#include "scene/bitmap/bitmap_layout.h"
#include "scene/rgb_image.h"

// Bytes of one stored row: rows are padded to whole 32-bit words.
uint64_t storedRowBytes(int64_t width, uint16_t bitCount);

// Fills `image` (already sized to the layout's picture) from the stored rows. The caller has
// checked that `layout.bits` holds all of them.
void unpackRows(const BitmapLayout& layout, RgbImage& image);
