#include "tools/scene_pictures/supersampling.h"

#include <cstddef>

namespace scene_pictures {

using pictures::Colour;

ShrunkFrame shrinkFrame(const RenderedFrame& frame, int factor) {
    ShrunkFrame shrunk{frame.width / factor, frame.height / factor, {}};
    shrunk.pixels.resize(static_cast<std::size_t>(shrunk.width) * shrunk.height);
    const double samples = factor * factor * 255.0;
    for (int y = 0; y < shrunk.height; ++y) {
        for (int x = 0; x < shrunk.width; ++x) {
            int sums[4] = {};
            for (int j = 0; j < factor; ++j) {
                const std::size_t row = static_cast<std::size_t>(y * factor + j) * frame.width;
                for (int i = 0; i < factor; ++i) {
                    const std::size_t at = (row + static_cast<std::size_t>(x * factor + i)) * 4;
                    for (int channel = 0; channel < 4; ++channel) {
                        sums[channel] += frame.rgba[at + static_cast<std::size_t>(channel)];
                    }
                }
            }
            shrunk.pixels[static_cast<std::size_t>(y) * shrunk.width + x] = {
                {sums[0] / samples, sums[1] / samples, sums[2] / samples}, sums[3] / samples};
        }
    }
    return shrunk;
}

pictures::Picture toPicture(const ShrunkFrame& frame) {
    pictures::Picture picture(frame.width, frame.height);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            picture.set(x, y, pictures::toRgba(frame.at(x, y).colour));
        }
    }
    return picture;
}

pictures::Picture composeOver(const ShrunkFrame& front, const pictures::Picture& back) {
    pictures::Picture picture(front.width, front.height);
    for (int y = 0; y < front.height; ++y) {
        for (int x = 0; x < front.width; ++x) {
            const pictures::Rgba behind = back.at(x, y);
            const Colour backColour = pictures::fromBytes(behind.red, behind.green, behind.blue);
            const CoveredColour& covered = front.at(x, y);
            picture.set(x, y,
                        pictures::toRgba(covered.colour + backColour * (1.0 - covered.coverage)));
        }
    }
    return picture;
}

}  // namespace scene_pictures
