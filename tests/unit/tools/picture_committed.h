#pragma once
// The committed pictures under saver/resources, read with the tests' own BMP reader.
#include <gtest/gtest.h>

#include <optional>

#include "tests/unit/tools/picture_bmp_reading.h"

namespace picture_test {

// The committed picture `name`; a failed test and a 1 x 1 black picture when it is missing or
// no 24-bit bitmap, so the checks that follow fail instead of crashing.
inline pictures::RgbPicture committedPicture(const char* name) {
    const std::optional<pictures::RgbPicture> picture =
        parseBmp24(readFileBytes(committedPicturePath(name)));
    if (!picture) {
        ADD_FAILURE() << "saver/resources/" << name << " is missing or not a 24-bit BMP";
        return pictures::RgbPicture(1, 1);
    }
    return *picture;
}

inline int luminance(pictures::Rgb c) {
    return (c.red * 30 + c.green * 59 + c.blue * 11) / 100;
}

}  // namespace picture_test
