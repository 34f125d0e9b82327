#pragma once
// Converting window sizes between pixels and twips (1/1440 inch). The screen reports how many
// twips make one pixel: 15 at 96 dots per inch, 12 at 120.
#include <cstdint>
#include <optional>

// Rounded to the nearest integer, halves to even; nothing beyond the 16-bit range that forms
// keep their twip sizes in.
std::optional<std::int16_t> PixelsToTwips(std::int32_t pixels, double twipsPerPixel);

// Rounded to the nearest integer, halves to even; nothing when `twipsPerPixel` is 0.
std::optional<std::int32_t> TwipsToPixels(std::int32_t twips, double twipsPerPixel);
