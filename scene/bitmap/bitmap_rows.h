#pragma once
// Uncompressed pixel bits (BI_RGB and BI_BITFIELDS) into 24-bit rows. Internal to the bitmap
// reader.
#include <cstdint>
#include <vector>

#include "scene/bitmap/bitmap_layout.h"
#include "scene/rgb_image.h"

// Bytes of one stored row: rows are padded to whole 32-bit words.
uint64_t storedRowBytes(int64_t width, uint16_t bitCount);

// Fills `image` (already sized to the layout's picture) from the stored rows. The caller has
// checked that `layout.bits` holds all of them.
void unpackRows(const BitmapLayout& layout, RgbImage& image);

// Whether the rows are stored as 24-bit pixels, uncompressed and bottom up: what the scene can
// read as they are, and what unpackRowsInPlace can make a picture of (every pixel moves only
// towards the start of the file).
bool isPlain24Bit(const BitmapLayout& layout);

// The picture of `layout`, whose bits lie in `file`, made in `file` itself: its first
// width x height x 3 bytes become the pixels and the rest is cut off. The caller has checked
// isPlain24Bit and that `layout.bits` holds every row.
void unpackRowsInPlace(const BitmapLayout& layout, std::vector<uint8_t>& file);
