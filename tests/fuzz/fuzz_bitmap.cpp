// libFuzzer entry point: arbitrary bytes through the bitmap decoder. Besides crashes and
// sanitizer reports, a result that breaks the decoder's promises stops the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "scene/bitmap/bitmap_decoder.h"

// Tiny files may claim pictures of up to a gigabyte; clearing that much memory for each would
// slow the search a hundredfold, while a lower limit still takes every path of the decoder.
constexpr uint64_t kFuzzPictureBytes = uint64_t{16} << 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BitmapDecodeResult result =
        decodeBitmap(std::span<const uint8_t>(data, size), kFuzzPictureBytes);
    if ((result.image != nullptr) != (result.error == BitmapError::None)) {
        std::abort();
    }
    if (result.image) {
        const RgbImage& image = *result.image;
        const bool sized = image.width > 0 && image.height > 0 &&
                           image.pixels.size() == static_cast<size_t>(image.width) *
                                                      static_cast<size_t>(image.height) * 3;
        if (!sized) {
            std::abort();
        }
    }
    return 0;
}
