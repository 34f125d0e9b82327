// libFuzzer entry point: arbitrary bytes through the bitmap decoder, from a view of them and in
// a buffer of their own. Besides crashes and sanitizer reports, a result that breaks the
// decoder's promises, or that differs between the two, stops the run.
#include <cstdlib>
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
    return 0;
}
