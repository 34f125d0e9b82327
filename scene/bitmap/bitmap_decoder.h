#pragma once
// Portable decoder of Windows bitmap files (BMP / DIB) into 24-bit RgbImage pictures.
// No platform calls: the scene program and the native tests share it.
//
// Accepted: an optional 14-byte "BM" file header; BITMAPCOREHEADER (12), BITMAPINFOHEADER (40)
// and the 108- and 124-byte headers (read as an info header plus masks); 1, 4, 8, 16, 24 and
// 32 bits per pixel; BI_RGB, BI_RLE4, BI_RLE8 and BI_BITFIELDS; bottom-up and top-down rows.
// The picture always comes out bottom row first, with a positive height. Pixels an RLE stream
// leaves undefined and palette indices past the colour table are black. Nothing outside `file`
// is ever read, and no exception escapes.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "scene/rgb_image.h"

enum class BitmapError {
    None,
    UnknownFormat,    // header size not recognised
    OutOfMemory,      // the picture is too large to show, or its buffer cannot be had
    ConversionError,  // pixel data missing, short or not decodable
};

struct BitmapDecodeResult {
    std::unique_ptr<RgbImage> image;  // set exactly when error is None
    BitmapError error = BitmapError::None;
};

// No texture the scene can show is larger than this: the renderer scales bigger pictures down
// anyway. Pictures wider or taller than kMaxBitmapSide, or of more than kMaxBitmapPixels
// (16,384 x 4,096), are refused as OutOfMemory before any pixel buffer is made, so a small
// hostile file cannot make the scene ask for gigabytes.
inline constexpr int64_t kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t{64} << 20;

// Whether a picture of this size is within those limits.
bool bitmapSizeIsShowable(int64_t width, int64_t height);

BitmapDecodeResult decodeBitmap(std::span<const uint8_t> file);

// The same result, made where the pixels allow (24-bit rows stored bottom up) in the file's
// own buffer, which is then the picture's: a file read whole needs no second buffer of its
// picture's size. Otherwise `file` is decoded as above.
BitmapDecodeResult decodeBitmapInPlace(std::vector<uint8_t>&& file);

// The picture's rows as the file stores them, where the scene can use them as they are: 24
// bits, not compressed, bottom row first, every row there, a showable size. Nothing for any
// other file, which decodeBitmap then makes into a picture (or refuses).
std::optional<RgbRows> storedRgbRows(std::span<const uint8_t> file);

// The user-visible message for each error, as the scene program shows it.
const char* bitmapErrorMessage(BitmapError error);
