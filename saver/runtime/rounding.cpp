#include "saver/runtime/rounding.h"

#include <cmath>
#include <limits>

namespace {

// Spelled out rather than left to std::nearbyint, so the result never depends on the
// floating-point rounding mode of the process.
double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Integer>
std::optional<Integer> ToInteger(double wholeNumber) {
    // NaN fails both comparisons and so counts as out of range.
    if (!(wholeNumber >= std::numeric_limits<Integer>::min() &&
          wholeNumber <= std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(wholeNumber);
}

}  // namespace

std::optional<std::int16_t> RoundToInt16(double value) {
    return ToInteger<std::int16_t>(RoundHalfToEven(value));
}

std::optional<std::int32_t> RoundToInt32(double value) {
    return ToInteger<std::int32_t>(RoundHalfToEven(value));
}

std::optional<std::int16_t> RoundDownToInt16(double value) {
    return ToInteger<std::int16_t>(std::floor(value));
}
