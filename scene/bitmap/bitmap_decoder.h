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
#include <span>

#include "scene/rgb_image.h"

enum class BitmapError {
    None,
    UnknownFormat,    // header size not recognised
    OutOfMemory,      // the picture's buffer cannot be had or its size would overflow
    ConversionError,  // pixel data missing, short or not decodable
};

struct BitmapDecodeResult {
    std::unique_ptr<RgbImage> image;  // set exactly when error is None
    BitmapError error = BitmapError::None;
};

// Pictures whose 24-bit pixels would take more bytes than this are refused as OutOfMemory
// before anything is allocated: hostile headers must not make us ask for absurd amounts.
inline constexpr uint64_t kMaxBitmapPictureBytes = uint64_t{1} << 30;

// `maxPictureBytes` is lowered only where memory is tighter than in the scene, as in fuzzing.
BitmapDecodeResult decodeBitmap(std::span<const uint8_t> file,
                                uint64_t maxPictureBytes = kMaxBitmapPictureBytes);

// The user-visible message for each error, as the scene program shows it.
const char* bitmapErrorMessage(BitmapError error);
