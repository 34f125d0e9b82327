#include "saver/runtime/twips.h"

#include "saver/runtime/rounding.h"

std::optional<std::int16_t> PixelsToTwips(std::int32_t pixels, double twipsPerPixel) {
    return RoundToInt16(pixels * twipsPerPixel);
}

std::optional<std::int32_t> TwipsToPixels(std::int32_t twips, double twipsPerPixel) {
    return RoundToInt32(twips / twipsPerPixel);
}
