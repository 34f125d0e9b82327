// libFuzzer entry point: arbitrary bytes through the bitmap decoder. Besides crashes and
// sanitizer reports, a result that breaks the decoder's promises stops the run.
#include <cstdlib>
#include <span>

#include "scene/bitmap/bitmap_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BitmapDecodeResult result = decodeBitmap({data, size});
    const RgbImage* image = result.image.get();
    if ((image != nullptr) != (result.error == BitmapError::None) ||
        (image && (image->width <= 0 || image->height <= 0 ||
                   image->pixels.size() != size_t{3} * image->width * image->height))) {
        std::abort();
    }
    return 0;
}
