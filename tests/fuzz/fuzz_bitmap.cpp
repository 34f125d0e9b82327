// libFuzzer entry point: arbitrary bytes through the bitmap decoder, from a view of them and in
// a buffer of their own, and through the stored rows the scene reads as they are. Besides
// crashes and sanitizer reports, a result that breaks the decoder's promises, or that differs
// between the three, stops the run.
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BitmapDecodeResult result = decodeBitmap({data, size});
    const RgbImage* image = result.image.get();
    if ((image != nullptr) != (result.error == BitmapError::None) ||
        (image && (image->width <= 0 || image->height <= 0 ||
                   image->pixels.size() != size_t{3} * image->width * image->height))) {
        std::abort();
    }
    const BitmapDecodeResult inPlace = decodeBitmapInPlace(std::vector<uint8_t>(data, data + size));
    if (inPlace.error != result.error ||
        (image && (inPlace.image->width != image->width || inPlace.image->height != image->height ||
                   inPlace.image->pixels != image->pixels))) {
        std::abort();
    }
    // Rows used as the file stores them are the decoded picture's, wholly inside the file.
    if (const std::optional<RgbRows> rows = storedRgbRows({data, size})) {
        if (!image || rows->width != image->width || rows->height != image->height) {
            std::abort();
        }
        for (int32_t i = 0; i < image->width * image->height; ++i) {
            const uint8_t* stored = rows->pixel(i % image->width, i / image->width);
            const uint8_t* decoded = &image->pixels[size_t(i) * 3];
            if (stored[0] != decoded[2] || stored[1] != decoded[1] || stored[2] != decoded[0]) {
                std::abort();
            }
        }
    }
    return 0;
}
